#include "SvgDrawing.h"

#include "WebText.h"

namespace {

std::string rgb(design::Rgb colour) {
    return "rgb(" + std::to_string(colour.red) + "," + std::to_string(colour.green) + "," +
           std::to_string(colour.blue) + ")";
}

// The middle of a span of whole pixels, which may fall on a half pixel.
std::string middle(int from, int length) {
    const int twice = 2 * from + length;
    return std::to_string(twice / 2) + (twice % 2 != 0 ? ".5" : "");
}

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

}  // namespace

void SvgDrawing::fill(const PixelRect& rect, design::Rgb colour) {
    if (pathColour_ != colour) {
        endPath();
        markup_ += "<path fill=\"" + rgb(colour) + "\" d=\"";
        pathColour_ = colour;
    }
    markup_ += "M" + std::to_string(rect.left) + " " + std::to_string(rect.top) + "h" +
               std::to_string(rect.width) + "v" + std::to_string(rect.height) + "h-" +
               std::to_string(rect.width) + "z";
}

void SvgDrawing::text(const PixelRect& box, std::string_view text, const design::Font& font,
                      int fontPixels, design::Rgb ink) {
    endPath();
    // The font's family names are quoted in double quotes, so the attribute takes single ones.
    markup_ +=
        "<text x=\"" + middle(box.left, box.width) + "\" y=\"" + middle(box.top, box.height) +
        "\" fill=\"" + rgb(ink) + "\" style='font: " + cssFont(font, fontPixels) +
        "' text-anchor=\"middle\" dominant-baseline=\"central\">" + escaped(text) + "</text>";
}

const std::string& SvgDrawing::markup() {
    endPath();
    return markup_;
}

void SvgDrawing::endPath() {
    if (pathColour_) {
        markup_ += "\"/>";
        pathColour_.reset();
    }
}
