#pragma once

#include <string_view>

#include "Design.h"
#include "Scale.h"

// What a front end draws the window with, in device pixels. Everything else about a picture,
// down to the pixel, is decided by the game's own drawing, so every front end puts down the
// same pixels.
class Canvas {
public:
    virtual ~Canvas() = default;
    virtual void fill(const PixelRect& rect, design::Rgb colour) = 0;
    // One line of text centred in box, in font at a height of fontPixels device pixels.
    virtual void text(const PixelRect& box, std::string_view text, const design::Font& font,
                      int fontPixels, design::Rgb ink) = 0;
};
