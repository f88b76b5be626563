#include "RoundTexts.h"

std::string captionText(std::string_view category) {
    return "Scaffle! Category: " + std::string(category);
}

std::string maskedWordText(std::string_view slots) {
    if (slots.empty()) {
        return {};
    }
    std::string text(2 * slots.size() - 1, ' ');
    for (std::size_t i = 0; i < slots.size(); ++i) {
        text[2 * i] = slots[i];
    }
    return text;
}

std::string winsText(std::int16_t winsTally) {
    // The tally is never negative, so the number always has its leading space.
    return "Wins: " + std::to_string(winsTally);
}
