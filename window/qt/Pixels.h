#pragma once

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRect>

#include "Design.h"

// The one conversion from the design's units to Qt's (device-independent) pixels.
namespace pixels {

inline int from(int twips) {
    return (2 * twips + design::kTwipsPerPixel) / (2 * design::kTwipsPerPixel);
}

inline QPointF from(design::Point point) {
    return {point.x / double(design::kTwipsPerPixel), point.y / double(design::kTwipsPerPixel)};
}

inline QRect from(design::Rect rect) {
    return {from(rect.left), from(rect.top), from(rect.width), from(rect.height)};
}

inline QColor from(design::Rgb rgb) {
    return {rgb.red, rgb.green, rgb.blue};
}

inline QFont from(const design::Font& font) {
    QFont::insertSubstitution(font.family, font.substitute);
    QFont qfont(font.family);
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

}  // namespace pixels
