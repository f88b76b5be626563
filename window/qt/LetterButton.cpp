#include "LetterButton.h"

#include <QPainter>

#include "Pixels.h"

namespace {

// The edges of a raised key, lit from the top left, two pixels deep: outer then inner.
const QColor kLit(255, 255, 255);
const QColor kLitInner(255, 255, 191);
const QColor kShade(0, 0, 0);
const QColor kShadeInner(153, 153, 0);
const QColor kInk(0, 0, 0);

// Filled, not stroked: a pixel of edge is a whole pixel of the square at any scale.
void drawEdge(QPainter& painter, QRect rect, const QColor& topLeft, const QColor& bottomRight) {
    painter.fillRect(rect.left(), rect.top(), rect.width(), 1, topLeft);
    painter.fillRect(rect.left(), rect.top(), 1, rect.height(), topLeft);
    painter.fillRect(rect.left(), rect.bottom(), rect.width(), 1, bottomRight);
    painter.fillRect(rect.right(), rect.top(), 1, rect.height(), bottomRight);
}

}  // namespace

LetterButton::LetterButton(QWidget* parent) : QPushButton(parent) {
    static const QFont letterFont = pixels::from(design::kLetterFont);  // once, not 26 times
    setFont(letterFont);
    setGeometry(pixels::from(design::kLetter0));
}

void LetterButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), pixels::from(design::kLetterFace));
    const bool pressed = isDown();
    // A pressed key is lit from the other side, and its letter sinks by a pixel.
    const QRect outer = rect();
    const QRect inner = outer.adjusted(1, 1, -1, -1);
    if (pressed) {
        drawEdge(painter, outer, kShade, kLit);
        drawEdge(painter, inner, kShadeInner, kLitInner);
    } else {
        drawEdge(painter, outer, kLit, kShade);
        drawEdge(painter, inner, kLitInner, kShadeInner);
    }
    painter.setPen(kInk);
    painter.drawText(pressed ? rect().translated(1, 1) : rect(), Qt::AlignCenter, text());
    if (hasFocus()) {
        // Black on yellow: far clearer than the style's own mark, which shows only after Tab.
        const QRect mark = rect().adjusted(3, 3, -3, -3);
        drawEdge(painter, mark, kInk, kInk);
    }
}
