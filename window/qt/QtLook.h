#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QStringList>
#include <map>
#include <utility>

#include "Design.h"
#include "Scale.h"

// The design's colours, fonts and boxes as Qt's.
namespace qtlook {

inline QColor colour(design::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

inline QRect rect(const PixelRect& box) {
    return {box.left, box.top, box.width, box.height};
}

// The design's family where the system has it, else its stand-ins in their order: those Qt
// can draw at their own width. Each is made once: a key paints its letter at every press and
// every move of the focus.
inline const QFont& font(const design::Font& font, int pixels) {
    static std::map<std::pair<const design::Font*, int>, QFont> made;
    const auto [place, isNew] = made.try_emplace({&font, pixels}, font.family);
    if (isNew) {
        QStringList standIns;
        for (const design::Face& face : font.standIns) {
            if (face.widthPercent == 100) {
                standIns << face.family;
            }
        }
        QFont::insertSubstitutions(font.family, standIns);
        place->second.setPixelSize(pixels);
        place->second.setBold(font.bold);
    }
    return place->second;
}

// Qt places and sizes widgets in pixels of the design's scale, and paints them at the screen's.
inline constexpr Scale kWidgetScale{1};

}  // namespace qtlook
