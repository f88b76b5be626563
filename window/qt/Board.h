#pragma once

#include <QWidget>
#include <array>

#include "GameState.h"
#include "WindowState.h"

class QAbstractButton;
class QLabel;

// The client area: the game's drawing of the board, painted whole in the screen's own pixels,
// under the design's controls. The controls paint nothing of their own: they are there for the
// mouse, the keyboard's focus and screen readers.
class Board final : public QWidget {
public:
    explicit Board(QWidget* parent);

    // Shows now where it showed the state before: only what differs is painted again.
    void show(const WindowState& now);

    QAbstractButton* letter(int letterIndex) const {
        return letters_[static_cast<std::size_t>(letterIndex)];
    }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    WindowState shown_;
    std::array<QAbstractButton*, kLetterCount> letters_{};
    QLabel* Label1;
    QLabel* WinTotal;
    QLabel* Hang;
};
