#pragma once

#include <optional>
#include <string>

#include "Canvas.h"

// The game's drawing as SVG markup in device pixels, for the board: a run of fills of one
// colour becomes one path, so a gallows piece drawn row by row is a single element.
class SvgDrawing final : public Canvas {
public:
    void fill(const PixelRect& rect, design::Rgb colour) override;
    void text(const PixelRect& box, std::string_view text, const design::Font& font, int fontPixels,
              design::Rgb ink) override;

    // Everything drawn so far.
    const std::string& markup();

private:
    void endPath();

    std::string markup_;
    std::optional<design::Rgb> pathColour_;
};
