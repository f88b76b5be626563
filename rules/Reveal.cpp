#include "Reveal.h"

#include <algorithm>
#include <cstdint>

namespace {

// Positions taken at a time: their counts fit in 32 bits.
constexpr std::size_t kStretch = std::size_t{1} << 20;

}  // namespace

Revealed reveal(std::u32string_view word, std::string& slots, char letter) {
    const auto guessed = static_cast<char32_t>(letter);
    // Plain pointers, no branches and counts as wide as a character, so that the compiler can
    // take many positions at once.
    const char32_t* const characters = word.data();
    char* const slot = slots.data();
    const std::size_t length = word.size();
    Revealed revealed{0, 0};
    for (std::size_t begin = 0; begin < length; begin += kStretch) {
        const std::size_t end = std::min(length, begin + kStretch);
        std::uint32_t matches = 0;
        std::uint32_t positions = 0;
        for (std::size_t i = begin; i < end; ++i) {
            const char32_t character = characters[i];
            const std::uint32_t match = character == guessed ? 1 : 0;
            const char32_t now = match != 0 ? guessed : static_cast<unsigned char>(slot[i]);
            slot[i] = static_cast<char>(now);
            matches += match;
            positions += now == character ? 1 : 0;
        }
        revealed.matches += matches;
        revealed.positions += positions;
    }
    return revealed;
}
