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
    // Faces a browser can draw as they are: no bitmap face, which no browser draws, and no
    // face that would have to be narrowed. Where none is installed, as on most phones, the
    // browser's own of the kind stands in.
    std::string families = font.bitmap ? "" : "\"" + std::string(font.family) + "\", ";
    for (const design::Face& face : font.standIns) {
        if (face.widthPercent == 100) {
            families += "\"" + std::string(face.family) + "\", ";
        }
    }
    return std::string(font.bold ? "bold " : "") + size + "px " + families + font.generic;
}

int webTextWidth(std::string_view text, const design::Font& font, int pixels) {
    return jsTextWidth(std::string(text).c_str(), cssFont(font, pixels).c_str());
}
