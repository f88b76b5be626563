#include "WebText.h"

#include <emscripten.h>

#include <cstdio>

// clang-format off
EM_JS(int, jsTextWidth, (const char* text, const char* font), {
    return Scaffle.textWidth(UTF8ToString(text), UTF8ToString(font));
});
// clang-format on

std::string cssFont(const design::Font& font, double pixels) {
    char size[32];
    std::snprintf(size, sizeof size, "%gpx", pixels);
    return std::string(font.bold ? "bold " : "") + size + " \"" + font.family + "\", \"" +
           font.substitute + "\"";
}

int webTextWidth(std::string_view text, const design::Font& font, int pixels) {
    return jsTextWidth(std::string(text).c_str(), cssFont(font, pixels).c_str());
}
