#include "Win32Canvas.h"

#include <gtest/gtest.h>

#include <string>

#include "Drawing.h"
#include "RecordingCanvas.h"

namespace {

// A white picture of the client area's device pixels at the scale, in memory.
class Picture {
public:
    explicit Picture(const Scale& scale)
        : width_(scale.pixels(design::kClientWidth)),
          height_(scale.pixels(design::kClientHeight)),
          dc_(CreateCompatibleDC(nullptr)) {
        BITMAPINFO format{};
        format.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
        format.bmiHeader.biWidth = width_;
        format.bmiHeader.biHeight = -height_;  // top row first
        format.bmiHeader.biPlanes = 1;
        format.bmiHeader.biBitCount = 32;
        format.bmiHeader.biCompression = BI_RGB;
        bitmap_ = CreateDIBSection(dc_, &format, DIB_RGB_COLORS, &bits_, nullptr, 0);
        old_ = SelectObject(dc_, bitmap_);
        const RECT all{0, 0, width_, height_};
        FillRect(dc_, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    }
    ~Picture() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    std::string at(int x, int y) const {
        GdiFlush();
        const auto pixel = static_cast<const DWORD*>(bits_)[y * width_ + x];
        return std::to_string(pixel >> 16 & 0xFF) + "," + std::to_string(pixel >> 8 & 0xFF) + "," +
               std::to_string(pixel & 0xFF);
    }

private:
    int width_;
    int height_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
    void* bits_ = nullptr;
};

TEST(Win32Canvas, putsDownTheDrawingsGallowsAndKeyEdgesPixelForPixel) {
    for (const int dpi : {96, 144, 192}) {
        SCOPED_TRACE(dpi);
        const Scale scale = Scale::ofDpi(dpi);
        const Picture picture(scale);
        RecordingCanvas expected(picture.width(), picture.height());
        const PixelRect key = drawing::letterBox(scale, 8, true);
        {
            Win32Canvas canvas(picture.dc());
            drawing::drawGallows(canvas, scale, drawing::PiecesShown().set());
            drawing::drawKey(canvas, scale, key, 'I', {true, true});
        }
        drawing::drawGallows(expected, scale, drawing::PiecesShown().set());
        drawing::drawKey(expected, scale, key, 'I', {true, true});
        // Everything but the letter, which lies inside the key's focus mark.
        const int ring = 4 * scale.edge();
        int differ = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const bool letter = x >= key.left + ring && x < key.right() - ring &&
                                    y >= key.top + ring && y < key.bottom() - ring;
                differ += !letter && picture.at(x, y) != expected.at(x, y);
            }
        }
        EXPECT_EQ(differ, 0);
    }
}

}  // namespace
