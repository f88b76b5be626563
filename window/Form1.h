#pragma once

#include <functional>
#include <string>

#include "Controls.h"
#include "GameState.h"
#include "Host.h"
#include "LetterMoves.h"
#include "Random.h"

// The game's one window: its events and the commands of its File menu. It owns the game
// state for the whole run; the controls it shows the game on are rebuilt at every reload.
// Every event runs guarded: a failure the game cannot carry on from is reported and ends it.
class Form1 {
public:
    Form1(Controls& controls, Host& host, Random& random);

    void Form_Load();
    void Letter_Click(int letterIndex);
    // An arrow key, Home or End pressed on a letter: the focus moves among the letters shown.
    void Letter_KeyDown(int letterIndex, LetterMove move);
    void mnuOH_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    const GameState& state() const { return state_; }

private:
    void event(const std::function<void()>& handler);
    void load();
    void reload();
    void guess(int letterIndex);
    void openWordFile();
    void clearBoard();

    Controls& controls_;
    Host& host_;
    Random& random_;
    GameState state_;
    // The refusal last reported at a load, so that a file that stays bad is told of once.
    std::string reportedAtLoad_;
};
