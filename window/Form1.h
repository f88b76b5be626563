#pragma once

#include <deque>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "Design.h"
#include "GameState.h"
#include "LetterMoves.h"
#include "Random.h"
#include "WindowState.h"

// One entry of the open dialog's filter: "Scaffle files (*.scf)" and "*.scf".
struct FileType {
    const char* description;
    const char* pattern;
};
// The first type is chosen when the dialog opens.
std::span<const FileType> wordFileFilter();

// How wide a line of text is, in pixels, in a font at a height of pixels: the front end's
// own measure, since only it knows the faces it draws with.
using TextWidth = std::function<int(std::string_view text, const design::Font& font, int pixels)>;

// The game's one window: its events and the commands of its File menu, each a change of the
// window's state. It owns the game state for the whole run, so the word file and the wins
// tally outlive every reload. A failure the game cannot carry on from is reported in a box,
// and the program ends when it is closed.
class Form1 {
public:
    Form1(Random& random, TextWidth textWidth);

    const WindowState& window() const { return window_; }
    const GameState& state() const { return state_; }

    void Form_Load();
    // The window became the one the player uses, or stopped being it (a box, the open
    // dialog, another program).
    void Form_Activate();
    void Form_Deactivate();
    // A touch on the screen (false), or a key pressed (true).
    void Form_FocusCues(bool shown);
    void Letter_Click(int letterIndex);
    void Letter_GotFocus(int letterIndex);
    void Letter_MouseDown(int letterIndex);
    void Letter_MouseUp(int letterIndex);
    // An arrow key, Home or End pressed on a letter: the focus moves among the letters shown.
    // True where the key is the game's, and nothing else is to act on it.
    bool Letter_KeyDown(int letterIndex, LetterMove move, Modifiers modifiers);
    void mnuOH_Click();
    void mnuAbout_Click();
    void mnuExit_Click();
    // The player closed the box that was up.
    void Box_Close();
    // The open dialog's answer: a file, or none when cancelled.
    void File_Choose(const WordFile& file);
    void File_Cancel();

private:
    // What happens once a box is closed.
    enum class Then { Nothing, NextRound, End, EndWithError };
    struct Queued {
        Box box;
        Then then;
    };

    void event(const std::function<void()>& handler);
    void load();
    void guess(int letterIndex);
    void clearBoard();
    void show(Box box, Then then);
    void tell(std::string news);
    void end(int status);
    void focusAfter(int guessed);

    class Display;
    Random& random_;
    TextWidth textWidth_;
    GameState state_;
    WindowState window_;
    std::deque<Queued> boxes_;
    // The refusal last reported at a load, so that a file that stays bad is told of once.
    std::string reportedAtLoad_;
};
