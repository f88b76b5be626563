#include "LetterButton.h"

#include <QPixmap>
#include <map>
#include <tuple>

#include "Drawing.h"
#include "QtCanvas.h"
#include "QtLook.h"

namespace {

// A key's face, the same for every key of a size, look and scale, drawn once and kept, as a
// style keeps its buttons' bevels.
const QPixmap& faceFor(QSize size, double scale, drawing::KeyLook look) {
    using Face = std::tuple<int, int, double, bool, bool>;
    static std::map<Face, QPixmap> faces;
    const Face key{size.width(), size.height(), scale, look.pressed, look.focused};
    auto found = faces.find(key);
    if (found == faces.end()) {
        QPixmap face(size * scale);
        face.setDevicePixelRatio(scale);
        {
            QtCanvas canvas(face);
            drawing::drawKeyFace(canvas, canvas.scale(), {0, 0, face.width(), face.height()}, look);
        }
        found = faces.emplace(key, face).first;
    }
    return found->second;
}

}  // namespace

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
    const drawing::KeyLook look{isDown(), hasFocus()};
    const double scale = devicePixelRatioF();
    const QPixmap& face = faceFor(size(), scale, look);
    QtCanvas canvas(*this);
    canvas.drawPicture(face);
    drawing::drawKeyLetter(canvas, canvas.scale(), {0, 0, face.width(), face.height()},
                           text().front().toLatin1(), look);
}
