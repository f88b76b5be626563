#include "QtCanvas.h"

#include "QtLook.h"

QtCanvas::QtCanvas(QPaintDevice& device) : scale_(device.devicePixelRatioF()), painter_(&device) {
    // From here on a unit is a device pixel.
    painter_.scale(1 / scale_.factor(), 1 / scale_.factor());
}

void QtCanvas::fill(const PixelRect& rect, design::Rgb colour) {
    painter_.fillRect(qtlook::rect(rect), qtlook::colour(colour));
}

void QtCanvas::text(const PixelRect& box, std::string_view text, const design::Font& font,
                    int fontPixels, design::Rgb ink) {
    painter_.setFont(qtlook::font(font, fontPixels));
    painter_.setPen(qtlook::colour(ink));
    painter_.drawText(qtlook::rect(box), Qt::AlignCenter | Qt::TextSingleLine,
                      QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}
