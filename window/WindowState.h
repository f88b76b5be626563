#pragma once

#include <bitset>
#include <optional>
#include <string>

#include "GameState.h"

// What a screen reader calls the drawing of the gallows.
inline constexpr const char* kGallowsName = "Gallows";
// What a screen reader says each label is for, after it has read the label's text.
inline constexpr const char* kLabel1Description = "The word to guess";
inline constexpr const char* kWinTotalDescription = "Words guessed so far";

// Pieces 1 to 12 of Hang, by number less one.
using PiecesShown = std::bitset<12>;

// A message with one OK button, up over the window until the player closes it.
struct Box {
    std::string title;
    std::string text;
    // What a screen reader hears before the text, where the box says less than the player
    // should hear: the completed word at a win.
    std::string heard = {};

    std::string spokenText() const { return heard.empty() ? text : heard + " " + text; }
    bool operator==(const Box&) const = default;
};

// What a screen reader is told, once: a new number each time, so that the same words told
// twice are spoken twice.
struct News {
    std::string text;
    unsigned number = 0;
    bool operator==(const News&) const = default;
};

// Everything a player can see or hear of the window. Form1's events change it and nothing
// else does; a front end shows it and keeps no game state of its own.
struct WindowState {
    std::string caption;
    std::bitset<kLetterCount> lettersShown;
    // The letter held down by the mouse or the space bar; -1 for none.
    int pressed = -1;
    // The letter that has the keyboard's focus while the window has it, and gets it back when
    // the window has it again; -1 for none.
    int focus = -1;
    // The window is the one the player is using: only then does a key show its focus mark.
    bool active = false;
    // The focus mark is for the keyboard: a finger on a touch screen hides it until a key is
    // pressed, as Windows hides it after the mouse.
    bool focusCues = true;
    PiecesShown pieces;
    // What a screen reader reads of the gallows at any time: "3 of 9 pieces shown".
    std::string piecesSpoken;
    // Label1: its text, its font's height in pixels of the design, and what a screen reader
    // reads for it.
    std::string maskedWord;
    int maskedWordPixels = 0;
    std::string maskedWordSpoken;
    std::string winsText;
    News news;
    std::optional<Box> box;
    // The open dialog is up: the player is choosing a word file.
    bool choosingFile = false;
    // The program has ended, with this status; nothing more happens.
    bool ended = false;
    int exitStatus = 0;

    // The gallows as one text, for a control that has no description apart from its name.
    std::string gallowsSpoken() const { return std::string(kGallowsName) + ", " + piecesSpoken; }
    // The letter whose key shows the focus mark; -1 for none.
    int focusShown() const { return active && focusCues && !box && !choosingFile ? focus : -1; }
    bool operator==(const WindowState&) const = default;
};
