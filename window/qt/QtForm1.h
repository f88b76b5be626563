#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>

#include "Controls.h"
#include "Form1.h"

class Gallows;
class QAbstractButton;
class QButtonGroup;
class QLabel;

// The game's window in Qt: the design's controls, whose events go to Form1. A reload builds
// the controls afresh inside the same top-level window, so the player's window never moves.
class QtForm1 final : public QMainWindow, public Controls {
public:
    QtForm1(Host& host, Random& random);

    // Loads the window and shows it, as at the program's start.
    void start();

    void setCaption(const std::string& caption) override;
    void setMaskedWord(std::string_view slots) override;
    void setWinsText(const std::string& winsText) override;
    void hideLetter(int letterIndex) override;
    void showPiece(int piece) override;
    void buildKeyboard() override;
    void showLetter(int letterIndex) override;
    void hidePiece(int piece) override;
    void rebuild() override;
    void focusLetter(int letterIndex) override;
    void tell(const std::string& news) override;

    QAbstractButton* letter(int letterIndex) const;
    const Gallows& hang() const { return *Hang; }
    const GameState& state() const { return form_.state(); }

protected:
    // The arrow keys, Home and End on a letter move the focus as the game's keyboard rule says.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildMenu();
    void addLetter(QAbstractButton* button, int letterIndex);
    void tell(const QString& news);
    // Takes the last news off the control that carried it.
    void forget();

    Form1 form_;
    QButtonGroup* Letter = nullptr;
    // The group's buttons by index, found at once: the group finds one by a search.
    std::array<QAbstractButton*, kLetterCount> letters_{};
    Gallows* Hang = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* WinTotal = nullptr;
    QPointer<QWidget> toldBy_;
};
