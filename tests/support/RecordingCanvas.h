#pragma once

#include <algorithm>
#include <string>
#include <vector>

#include "Canvas.h"

// A canvas of device pixels on the window's white that keeps what is filled, and every text
// as one line: "A in 248,75 25x25 at 18px".
class RecordingCanvas final : public Canvas {
public:
    RecordingCanvas(int width, int height)
        : width_(width), height_(height), pixels_(std::size_t(width) * height, design::kWhite) {}

    void fill(const PixelRect& rect, design::Rgb colour) override {
        for (int y = std::max(rect.top, 0); y < std::min(rect.bottom(), height_); ++y) {
            for (int x = std::max(rect.left, 0); x < std::min(rect.right(), width_); ++x) {
                pixels_[std::size_t(y) * width_ + x] = colour;
            }
        }
    }
    void text(const PixelRect& box, std::string_view text, const design::Font&, int fontPixels,
              design::Rgb) override {
        texts.push_back(std::string(text) + " in " + std::to_string(box.left) + "," +
                        std::to_string(box.top) + " " + std::to_string(box.width) + "x" +
                        std::to_string(box.height) + " at " + std::to_string(fontPixels) + "px");
    }

    // As "r,g,b".
    std::string at(int x, int y) const {
        const design::Rgb rgb = pixels_[std::size_t(y) * width_ + x];
        return std::to_string(rgb.red) + "," + std::to_string(rgb.green) + "," +
               std::to_string(rgb.blue);
    }

    std::vector<std::string> texts;

private:
    int width_;
    int height_;
    std::vector<design::Rgb> pixels_;
};
