#pragma once

#include <string>

#include "Canvas.h"

// Paints on one of the page's canvases, by its element id, in its device pixels.
class WebCanvas final : public Canvas {
public:
    explicit WebCanvas(const char* id) : id_(id) {}

    void fill(const PixelRect& rect, design::Rgb colour) override;
    void text(const PixelRect& box, std::string_view text, const design::Font& font, int fontPixels,
              design::Rgb ink) override;

private:
    const char* id_;
};

// The design's family, else its metric-compatible stand-in, as CSS writes a font.
std::string cssFont(const design::Font& font, int pixels);

// The width in CSS pixels of one line of text in the font at a height of pixels.
int webTextWidth(std::string_view text, const design::Font& font, int pixels);
