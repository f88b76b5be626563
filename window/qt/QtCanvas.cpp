#include "QtCanvas.h"

#include <QStaticText>
#include <map>
#include <string>
#include <tuple>
#include <utility>

#include "QtLook.h"

QtCanvas::QtCanvas(QPaintDevice& device) : scale_(device.devicePixelRatioF()), painter_(&device) {
    // From here on a unit is a device pixel.
    if (scale_.factor() != 1) {
        painter_.scale(1 / scale_.factor(), 1 / scale_.factor());
    }
}

void QtCanvas::fill(const PixelRect& rect, design::Rgb colour) {
    painter_.fillRect(qtlook::rect(rect), qtlook::colour(colour));
}

void QtCanvas::text(const PixelRect& box, std::string_view text, const design::Font& font,
                    int fontPixels, design::Rgb ink) {
    // Laid out once for each text, font and size: the keys' letters are painted at every press
    // and every move of the focus.
    using Key = std::tuple<const design::Font*, int, std::string>;
    static std::map<Key, QStaticText> laidOut;
    if (laidOut.size() > 512) {
        laidOut.clear();
    }
    const auto [place, isNew] = laidOut.try_emplace(Key(&font, fontPixels, text));
    QStaticText& line = place->second;
    painter_.setFont(qtlook::font(font, fontPixels));
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
