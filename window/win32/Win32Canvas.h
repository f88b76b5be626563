#pragma once

#include <windows.h>

#include "Canvas.h"

// Paints on a device context in its pixels.
class Win32Canvas final : public Canvas {
public:
    explicit Win32Canvas(HDC dc);
    ~Win32Canvas() override;
    Win32Canvas(const Win32Canvas&) = delete;
    Win32Canvas& operator=(const Win32Canvas&) = delete;

    void fill(const PixelRect& rect, design::Rgb colour) override;
    void text(const PixelRect& box, std::string_view text, const design::Font& font, int fontPixels,
              design::Rgb ink) override;

private:
    HDC dc_;
    HGDIOBJ oldFont_;
};

COLORREF win32Colour(design::Rgb rgb);

// The design's family where the system has it, else its metric-compatible stand-in, at a
// height of pixels: made once for the program, as looking a family up is slow.
HFONT win32Font(const design::Font& font, int pixels);
