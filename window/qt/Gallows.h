#pragma once

#include <QWidget>

#include "Drawing.h"

// The gallows drawing, Hang: twelve pieces, each shown or hidden, painted by the game's drawing.
class Gallows final : public QWidget {
    Q_OBJECT

public:
    explicit Gallows(QWidget* parent);

    // Pieces are numbered 1 to 12.
    void showPiece(int piece);
    void hidePiece(int piece);
    bool isShown(int piece) const { return shown_.test(static_cast<std::size_t>(piece - 1)); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void describe();

    drawing::PiecesShown shown_ = drawing::designPieces();
};
