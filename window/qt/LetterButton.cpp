#include "LetterButton.h"

#include "Drawing.h"
#include "QtCanvas.h"
#include "QtLook.h"

LetterButton::LetterButton(QWidget* parent, int letterIndex) : QPushButton(parent) {
    const QString caption(QChar('A' + letterIndex));
    setText(caption);
    setAccessibleName(caption);
    // The face draws its letter itself; the font is the one it draws with, made once.
    static const QFont letterFont = qtlook::font(
        design::kLetterFont, qtlook::kWidgetScale.fontPixels(design::kLetterFont.points));
    setFont(letterFont);
    setGeometry(qtlook::rect(drawing::letterBox(qtlook::kWidgetScale, 0, false)));
}

void LetterButton::paintEvent(QPaintEvent*) {
    QtCanvas canvas(*this);
    const double factor = canvas.scale().factor();
    const PixelRect face{0, 0, qRound(width() * factor), qRound(height() * factor)};
    drawing::drawKey(canvas, canvas.scale(), face, text().front().toLatin1(),
                     {isDown(), hasFocus()});
}
