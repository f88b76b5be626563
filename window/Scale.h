#pragma once

#include "Design.h"

// A box on the screen in device pixels.
struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const PixelRect&) const = default;
};

// How the design's twips become a screen's device pixels: 1 device pixel to a pixel of the
// design at 96 dots per inch, 1.5 at 144, 2 at 192.
class Scale {
public:
    explicit constexpr Scale(double devicePixelsPerPixel) : factor_(devicePixelsPerPixel) {}
    static constexpr Scale ofDpi(int dotsPerInch) { return Scale(dotsPerInch / 96.0); }

    double factor() const { return factor_; }

    // A place in twips: first to the design's own pixel, 15 twips each, rounded half up as the
    // design's 1850 is 123 and its 2225 is 148; then to the device's, rounded again. Every
    // edge is placed on its own, never as a left edge plus a width, so that neighbours that
    // touch in twips touch on the screen at every scale.
    int pixels(int twips) const {
        const int designPixels =
            (2 * twips + design::kTwipsPerPixel) / (2 * design::kTwipsPerPixel);
        return static_cast<int>(designPixels * factor_ + 0.5);
    }
    PixelRect rect(design::Rect twips) const {
        const int left = pixels(twips.left);
        const int top = pixels(twips.top);
        return {left, top, pixels(twips.left + twips.width) - left,
                pixels(twips.top + twips.height) - top};
    }
    // A place in twips as a fraction of device pixels, for drawing lines.
    double exactly(int twips) const { return twips * factor_ / design::kTwipsPerPixel; }
    // A font's height in device pixels.
    int fontPixels(double points) const {
        return static_cast<int>(points / design::kPointsPerPixel * factor_ + 0.5);
    }
    // The thickness of a key's edges and focus mark: whole device pixels, one at 96 dots per inch.
    int edge() const { return factor_ < 2 ? 1 : static_cast<int>(factor_); }

private:
    double factor_;
};
