#include "SvgDrawing.h"

#include <algorithm>

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

bool same(const std::optional<design::Rgb>& a, design::Rgb b) {
    return a && a->red == b.red && a->green == b.green && a->blue == b.blue;
}

bool overlap(const PixelRect& a, const PixelRect& b) {
    return a.left < b.right() && b.left < a.right() && a.top < b.bottom() && b.top < a.bottom();
}

}  // namespace

SvgDrawing::Element* SvgDrawing::pathToJoin(const PixelRect& rect, design::Rgb colour) {
    for (auto element = elements_.rbegin(); element != elements_.rend(); ++element) {
        if (same(element->colour, colour)) {
            return &*element;
        }
        const bool covers =
            std::any_of(element->rects.begin(), element->rects.end(),
                        [&](const PixelRect& drawn) { return overlap(drawn, rect); });
        if (covers) {
            return nullptr;
        }
    }
    return nullptr;
}

void SvgDrawing::fill(const PixelRect& rect, design::Rgb colour) {
    if (Element* path = pathToJoin(rect, colour)) {
        path->rects.push_back(rect);
    } else {
        elements_.push_back({colour, {rect}, {}});
    }
}

void SvgDrawing::text(const PixelRect& box, std::string_view text, const design::Font& font,
                      int fontPixels, design::Rgb ink) {
    // The font's family names are quoted in double quotes, so the attribute takes single ones.
    // A line of text stays inside its box.
    elements_.push_back({std::nullopt,
                         {box},
                         "<text x=\"" + middle(box.left, box.width) + "\" y=\"" +
                             middle(box.top, box.height) + "\" fill=\"" + rgb(ink) +
                             "\" style='font: " + cssFont(font, fontPixels) +
                             "' text-anchor=\"middle\" dominant-baseline=\"central\">" +
                             escaped(text) + "</text>"});
}

std::string SvgDrawing::markup() const {
    std::string markup;
    for (const Element& element : elements_) {
        if (!element.colour) {
            markup += element.text;
            continue;
        }
        markup += "<path fill=\"" + rgb(*element.colour) + "\" d=\"";
        for (const PixelRect& rect : element.rects) {
            markup += "M" + std::to_string(rect.left) + " " + std::to_string(rect.top) + "h" +
                      std::to_string(rect.width) + "v" + std::to_string(rect.height) + "h-" +
                      std::to_string(rect.width) + "z";
        }
        markup += "\"/>";
    }
    return markup;
}
