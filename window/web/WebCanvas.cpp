#include "WebCanvas.h"

#include <emscripten.h>

#include <string>

namespace {

// clang-format off
EM_JS(void, jsFill, (const char* id, int x, int y, int width, int height, int red, int green,
                     int blue), {
    const context = Scaffle.context(UTF8ToString(id));
    context.fillStyle = "rgb(" + red + "," + green + "," + blue + ")";
    context.fillRect(x, y, width, height);
});

EM_JS(void, jsText, (const char* id, int x, int y, int width, int height, const char* text,
                     const char* font, int red, int green, int blue), {
    const context = Scaffle.context(UTF8ToString(id));
    Scaffle.setFont(context, UTF8ToString(font));
    context.fillStyle = "rgb(" + red + "," + green + "," + blue + ")";
    context.textAlign = "center";
    context.textBaseline = "middle";
    context.fillText(UTF8ToString(text), x + width / 2, y + height / 2);
});

EM_JS(int, jsTextWidth, (const char* text, const char* font), {
    const context = Scaffle.context("measure");
    Scaffle.setFont(context, UTF8ToString(font));
    return Math.ceil(context.measureText(UTF8ToString(text)).width);
});
// clang-format on

}  // namespace

std::string cssFont(const design::Font& font, int pixels) {
    return std::string(font.bold ? "bold " : "") + std::to_string(pixels) + "px \"" + font.family +
           "\", \"" + font.substitute + "\"";
}

void WebCanvas::fill(const PixelRect& rect, design::Rgb colour) {
    jsFill(id_, rect.left, rect.top, rect.width, rect.height, colour.red, colour.green,
           colour.blue);
}

void WebCanvas::text(const PixelRect& box, std::string_view text, const design::Font& font,
                     int fontPixels, design::Rgb ink) {
    jsText(id_, box.left, box.top, box.width, box.height, std::string(text).c_str(),
           cssFont(font, fontPixels).c_str(), ink.red, ink.green, ink.blue);
}

int webTextWidth(std::string_view text, const design::Font& font, int pixels) {
    return jsTextWidth(std::string(text).c_str(), cssFont(font, pixels).c_str());
}
