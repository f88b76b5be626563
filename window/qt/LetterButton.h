#pragma once

#include <QPushButton>

// A key of the letter keyboard: a native push button, for the focus, the keyboard and screen
// readers, whose face is the game's own drawing.
class LetterButton final : public QPushButton {
public:
    LetterButton(QWidget* parent, int letterIndex);

protected:
    void paintEvent(QPaintEvent* event) override;
};
