#include "Gallows.h"

#include <QPainter>

#include "Pixels.h"

Gallows::Gallows(QWidget* parent) : QWidget(parent) {
    setGeometry(0, 0, pixels::from(design::kClientWidth), pixels::from(design::kClientHeight));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int piece = design::kPiecesShownByMisses + 1; piece <= int(design::kHang.size());
         ++piece) {
        shown_.at(piece - 1) = true;
    }
}

void Gallows::showPiece(int piece) {
    shown_.at(piece - 1) = true;
    update();
}

void Gallows::hidePiece(int piece) {
    shown_.at(piece - 1) = false;
    update();
}

void Gallows::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < design::kHang.size(); ++i) {
        if (!shown_[i]) {
            continue;
        }
        const design::Piece& piece = design::kHang[i];
        painter.setPen(
            QPen(pixels::from(piece.colour), piece.penWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(pixels::from(piece.start), pixels::from(piece.end));
    }
}
