#pragma once

#include <QPainter>
#include <vector>

#include "Canvas.h"

// Paints on a widget or an image in its device pixels, whatever its scale.
class QtCanvas final : public Canvas {
public:
    // origin: where the device's top-left corner stands in the picture, in design pixels.
    explicit QtCanvas(QPaintDevice& device, QPoint origin = {});
    ~QtCanvas() override;
    QtCanvas(const QtCanvas&) = delete;
    QtCanvas& operator=(const QtCanvas&) = delete;

    // The scale the device is shown at.
    Scale scale() const { return scale_; }

    // A picture of device pixels put down at the device's corner.
    void drawPicture(const QPixmap& picture);
    void fill(const PixelRect& rect, design::Rgb colour) override;
    void text(const PixelRect& box, std::string_view text, const design::Font& font, int fontPixels,
              design::Rgb ink) override;

private:
    void flush();

    Scale scale_;
    QPainter painter_;
    QColor fillColour_;
    std::vector<QRect> fills_;
};
