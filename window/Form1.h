#pragma once

#include <QButtonGroup>
#include <QMainWindow>

#include "GameDisplay.h"

class Game;
class Gallows;
class QAbstractButton;
class QLabel;

// The game's one window, built from its design each time it is shown.
class Form1 final : public QMainWindow, public GameDisplay {
public:
    explicit Form1(Game& game);

    void Form_Load();

    void setCaption(const std::string& caption) override;
    void setMaskedWord(const std::string& maskedWord) override;
    void setWinsText(const std::string& winsText) override;
    void hideLetter(int letterIndex) override;
    void showPiece(int piece) override;
    void showLetter(int letterIndex);
    void hidePiece(int piece);

    QAbstractButton* letter(int letterIndex) const { return Letter.button(letterIndex); }
    const Gallows& hang() const { return *Hang; }

private:
    void buildKeyboard();
    void startFromBuiltInWords();

    void Letter_Click(int letterIndex);
    void mnuOH_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    Game& game_;
    QButtonGroup Letter;
    Gallows* Hang;
    QLabel* Label1;
    QLabel* WinTotal;
};
