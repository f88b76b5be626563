#include "QtCanvas.h"

#include <map>
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

QtCanvas::QtCanvas(QPaintDevice& device, QPoint origin)
    : scale_(device.devicePixelRatioF()), painter_(&device) {
    // From here on a unit is a device pixel of the whole picture.
    painter_.translate(-origin);
    painter_.scale(1 / scale_.factor(), 1 / scale_.factor());
}

void QtCanvas::fill(const PixelRect& rect, design::Rgb colour) {
    painter_.fillRect(qtlook::rect(rect), qtlook::colour(colour));
}

void QtCanvas::text(const PixelRect& box, std::string_view text, const design::Font& font,
                    int fontPixels, design::Rgb ink) {
    painter_.setFont(fontOf(font, fontPixels));
    painter_.setPen(qtlook::colour(ink));
    painter_.drawText(qtlook::rect(box), Qt::AlignCenter | Qt::TextSingleLine,
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
