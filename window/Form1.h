#pragma once

#include <QMainWindow>
#include <functional>
#include <string>

#include "GameDisplay.h"
#include "GameState.h"
#include "Host.h"
#include "Random.h"

class Gallows;
class QAbstractButton;
class QButtonGroup;
class QLabel;

// The game's one window. Its controls are built from the design, and built again at every
// reload inside the same top-level window, so the player's window never moves or goes away.
class Form1 final : public QMainWindow, public GameDisplay {
public:
    // reload is asked for once a round is won; it runs Reload after the winning click.
    Form1(GameState& state, Host& host, Random& random, std::function<void()> reload);

    void Form_Load();
    // Unloads the window's controls, builds them afresh from the design and loads again.
    void Reload();

    void setCaption(const std::string& caption) override;
    void setMaskedWord(const std::string& maskedWord) override;
    void setWinsText(const std::string& winsText) override;
    void hideLetter(int letterIndex) override;
    void showPiece(int piece) override;

    QAbstractButton* letter(int letterIndex) const;
    const Gallows& hang() const { return *Hang; }

private:
    void buildDesign();
    void buildMenu();
    void buildKeyboard();
    // The one way a round begins from a word file: the load, the reload and the open command.
    void startRoundFrom(const std::string& path);
    void clearBoard();
    void handle(const std::function<void()>& handler);

    void Letter_Click(int letterIndex);
    void mnuOH_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    GameState& state_;
    Host& host_;
    Random& random_;
    std::function<void()> reload_;
    // Set by a win: nothing reaches the finished round's controls until the reload.
    bool reloading_ = false;
    // The refusal last reported at a load, so that a file that stays bad is told of once.
    std::string reportedAtLoad_;

    QButtonGroup* Letter = nullptr;
    Gallows* Hang = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* WinTotal = nullptr;
};
