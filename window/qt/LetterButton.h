#pragma once

#include <QPushButton>

// A key of the letter keyboard: its face filled flat with the design's yellow, edge to edge.
class LetterButton final : public QPushButton {
public:
    explicit LetterButton(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
