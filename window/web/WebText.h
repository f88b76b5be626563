#pragma once

#include <string>
#include <string_view>

#include "Design.h"

// A font of the design as CSS gives it, at a height in pixels: the design's face where a browser
// can draw it, then the one that stands in for it, then the browser's own of its kind.
std::string cssFont(const design::Font& font, double pixels);

// How wide text is, in pixels, in the browser's font.
int webTextWidth(std::string_view text, const design::Font& font, int pixels);
