#include "WebText.h"

#include <emscripten.h>

#include <cmath>

// clang-format off
EM_JS(int, jsTextWidth, (const char* text, const char* font), {
    return Scaffle.textWidth(UTF8ToString(text), UTF8ToString(font));
});
// clang-format on

std::string cssFont(const design::Font& font, double pixels) {
    // To a hundredth of a pixel, without printf's formatting in the page's WebAssembly.
    const long hundredths = std::lround(pixels * 100);
    std::string size = std::to_string(hundredths / 100);
    if (hundredths % 100 != 0) {
        size += "." + std::to_string(hundredths % 100 + 100).substr(1);
    }
    // Windows' "MS Serif" and "MS Sans Serif" are bitmap faces, which no browser draws: naming
    // them would only cost a look-up. Where no face named is installed, as on most phones, the
    // browser's own serif or sans-serif stands in.
    const std::string_view family = font.family;
    const bool bitmap = family == "MS Serif" || family == "MS Sans Serif";
    const char* generic = family == "MS Serif" ? "serif" : "sans-serif";
    return std::string(font.bold ? "bold " : "") + size + "px " +
           (bitmap ? "" : "\"" + std::string(family) + "\", ") + "\"" + font.substitute + "\", " +
           generic;
}

int webTextWidth(std::string_view text, const design::Font& font, int pixels) {
    return jsTextWidth(std::string(text).c_str(), cssFont(font, pixels).c_str());
}
