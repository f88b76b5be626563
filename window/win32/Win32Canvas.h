#pragma once

#include <windows.h>

#include <string>

#include "Canvas.h"

// Paints on a device context in its logical units, which are the picture's pixels.
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

// The design's family where the system has it in outlines, else the first of its stand-ins
// that it has so, at a height of pixels: made once for the program, as looking a family up is
// slow.
HFONT win32Font(const design::Font& font, int pixels);

// The width of one line of text in the font, in pixels.
int textWidth(HFONT font, const std::wstring& text);
