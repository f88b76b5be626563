#include "QtCanvas.h"

#include <QStaticText>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "QtLook.h"

namespace {

// Each font is made once: a key paints its letter at every press and every move of the focus.
const QFont& fontOf(const design::Font& font, int pixels) {
    static std::map<std::pair<const design::Font*, int>, QFont> made;
    const auto [place, isNew] = made.try_emplace({&font, pixels});
    if (isNew) {
        place->second = qtlook::font(font, pixels);
    }
    return place->second;
}

}  // namespace

QtCanvas::QtCanvas(QPaintDevice& device) : scale_(device.devicePixelRatioF()), painter_(&device) {
    // From here on a unit is a device pixel.
    if (scale_.factor() != 1) {
        painter_.scale(1 / scale_.factor(), 1 / scale_.factor());
    }
}

QtCanvas::~QtCanvas() {
    flush();
}

void QtCanvas::fill(const PixelRect& rect, design::Rgb colour) {
    const QColor qcolour = qtlook::colour(colour);
    if (qcolour != fillColour_) {
        flush();
        fillColour_ = qcolour;
    }
    fills_.push_back(qtlook::rect(rect));
}

// Fills of one colour go to the painter as one call: a slanted piece is a rectangle a row.
void QtCanvas::flush() {
    if (!fills_.empty()) {
        painter_.setPen(Qt::NoPen);
        painter_.setBrush(fillColour_);
        painter_.drawRects(fills_.data(), static_cast<int>(fills_.size()));
        fills_.clear();
    }
}

void QtCanvas::text(const PixelRect& box, std::string_view text, const design::Font& font,
                    int fontPixels, design::Rgb ink) {
    flush();
    // Laid out once for each text, font and size: the keys' letters are painted at every press
    // and every move of the focus.
    using Key = std::tuple<const design::Font*, int, std::string>;
    static std::map<Key, QStaticText> laidOut;
    if (laidOut.size() > 512) {
        laidOut.clear();
    }
    const auto [place, isNew] = laidOut.try_emplace(Key(&font, fontPixels, text));
    QStaticText& line = place->second;
    painter_.setFont(fontOf(font, fontPixels));
    if (isNew) {
        line.setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
        line.setTextFormat(Qt::PlainText);
        line.prepare(painter_.transform(), painter_.font());
    }
    painter_.setPen(qtlook::colour(ink));
    const QSizeF size = line.size();
    painter_.drawStaticText(QPointF(box.left + (box.width - size.width()) / 2,
                                    box.top + (box.height - size.height()) / 2),
                            line);
}
