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
    // The design's face where a browser can draw it (no bitmap face), then the metric-compatible
    // stand-in, then the browser's own of the kind: Windows' stand-ins are what a browser on
    // Windows gives for the kind anyway, and naming a face that is missing costs a look-up.
    const std::string families = (font.bitmap ? "" : "\"" + std::string(font.family) + "\", ") +
                                 "\"" + font.standIns.back().family + "\", ";
    return std::string(font.bold ? "bold " : "") + size + "px " + families + font.generic;
}

int webTextWidth(std::string_view text, const design::Font& font, int pixels) {
    return jsTextWidth(std::string(text).c_str(), cssFont(font, pixels).c_str());
}
