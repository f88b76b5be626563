#pragma once

#include <QPainter>

#include "Canvas.h"

// Paints on a widget or an image in its device pixels, whatever its scale.
class QtCanvas final : public Canvas {
public:
    explicit QtCanvas(QPaintDevice& device);

    // The scale the device is shown at.
    Scale scale() const { return scale_; }

    void fill(const PixelRect& rect, design::Rgb colour) override;
    void text(const PixelRect& box, std::string_view text, const design::Font& font, int fontPixels,
              design::Rgb ink) override;

private:
    Scale scale_;
    QPainter painter_;
};
