#include "LetterButton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>

#include "Pixels.h"

LetterButton::LetterButton(QWidget* parent) : QPushButton(parent) {
    static const QFont letterFont = pixels::from(design::kLetterFont);  // once, not 26 times
    setFont(letterFont);
    setGeometry(pixels::from(design::kLetter0));
}

void LetterButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), pixels::from(design::kLetterFace));
    painter.setPen(Qt::black);
    // A pressed key's letter sinks by a pixel, as on a raised button.
    const QRect face = isDown() ? rect().translated(1, 1) : rect();
    painter.drawText(face, Qt::AlignCenter, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}
