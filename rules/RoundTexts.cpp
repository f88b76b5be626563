#include "RoundTexts.h"

#include <bit>
#include <cstring>

#include "GameState.h"

std::string captionText(std::string_view category) {
    return "Scaffle! Category: " + std::string(category);
}

std::string maskedWordText(std::string_view slots) {
    if (slots.empty()) {
        return {};
    }
    // Each slot and the space after it as one pair of bytes, which the compiler writes many at
    // a time: a guess on a long word stays quick.
    constexpr bool kSlotFirst = std::endian::native == std::endian::little;
    std::string text(2 * slots.size(), ' ');
    const char* const slot = slots.data();
    char* const out = text.data();
    const std::size_t count = slots.size();
    for (std::size_t i = 0; i < count; ++i) {
        const auto code = static_cast<std::uint16_t>(static_cast<unsigned char>(slot[i]));
        const auto pair =
            static_cast<std::uint16_t>(kSlotFirst ? code | ' ' << 8 : code << 8 | ' ');
        std::memcpy(out + 2 * i, &pair, sizeof pair);
    }
    text.pop_back();  // no space after the last slot
    return text;
}

std::string winsText(std::int16_t winsTally) {
    // The tally is never negative, so the number always has its leading space.
    return "Wins: " + std::to_string(winsTally);
}

std::string roundStartNews(std::size_t letters, std::int16_t winsTally) {
    return std::to_string(letters) + (letters == 1 ? " letter. " : " letters. ") +
           winsText(winsTally);
}

std::string piecesShownText(int misses) {
    return std::to_string(misses) + " of " + std::to_string(kMissesPerRound) + " pieces shown";
}
