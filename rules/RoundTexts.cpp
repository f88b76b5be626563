#include "RoundTexts.h"

std::string captionText(std::string_view category) {
    return "Scaffle! Category: " + std::string(category);
}

std::string maskedWordText(std::string_view slots) {
    std::string text;
    text.reserve(slots.size() * 2);
    for (const char slot : slots) {
        if (!text.empty()) {
            text += ' ';
        }
        text += slot;
    }
    return text;
}

std::string winsText(std::int16_t winsTally) {
    // The tally is never negative, so the number always has its leading space.
    return "Wins: " + std::to_string(winsTally);
}
