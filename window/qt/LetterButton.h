#pragma once

#include <QPushButton>

// A key of the letter keyboard: a push button with the design's yellow face filling its square,
// raised edges that sink when it is pressed, and a focus mark that shows whenever it has the
// focus, in the same ink as its letter.
class LetterButton final : public QPushButton {
public:
    explicit LetterButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
