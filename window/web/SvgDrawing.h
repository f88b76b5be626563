#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Canvas.h"

// The game's drawing as SVG markup in device pixels. Fills of one colour share one path
// wherever the order of painting allows it: the browser styles and lays out every element, and
// the whole keyboard in a handful of paths costs it far less than a path for each edge.
class SvgDrawing final : public Canvas {
public:
    void fill(const PixelRect& rect, design::Rgb colour) override;
    void text(const PixelRect& box, std::string_view text, const design::Font& font, int fontPixels,
              design::Rgb ink) override;

    std::string markup() const;

private:
    // A path of one colour and its rectangles, or a text and its box.
    struct Element {
        std::optional<design::Rgb> colour;
        std::vector<PixelRect> rects;
        std::string text;
    };
    // The element of that colour that rect can join without coming out from under a later one.
    Element* pathToJoin(const PixelRect& rect, design::Rgb colour);

    std::vector<Element> elements_;
};
