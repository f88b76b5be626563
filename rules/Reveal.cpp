#include "Reveal.h"

#include <algorithm>
#include <cstdint>

#include "Utf8.h"

namespace {

// Positions taken at a time: their counts fit in 32 bits.
constexpr std::size_t kStretch = std::size_t{1} << 20;

// A word of one byte a character, as nearly every word is: a slot for each byte.
Revealed revealBytes(std::string_view word, std::string& slots, char letter) {
    // Plain pointers, no branches and counts as wide as a byte's lane, so that the compiler
    // can take many positions at once.
    const char* const characters = word.data();
    char* const slot = slots.data();
    const std::size_t length = word.size();
    Revealed revealed{0, 0};
    for (std::size_t begin = 0; begin < length; begin += kStretch) {
        const std::size_t end = std::min(length, begin + kStretch);
        std::uint32_t matches = 0;
        std::uint32_t positions = 0;
        for (std::size_t i = begin; i < end; ++i) {
            const char character = characters[i];
            const std::uint32_t match = character == letter ? 1 : 0;
            const char now = match != 0 ? letter : slot[i];
            slot[i] = now;
            matches += match;
            positions += now == character ? 1 : 0;
        }
        revealed.matches += matches;
        revealed.positions += positions;
    }
    return revealed;
}

// A word with characters of several bytes: those are never guessed, and never equal a slot.
Revealed revealCharacters(std::string_view word, std::string& slots, char letter) {
    Revealed revealed{0, 0};
    std::size_t next = 0;
    for (const char character : word) {
        if (!beginsCharacter(character)) {
            continue;
        }
        char& slot = slots[next++];
        if (character == letter) {
            slot = letter;
            ++revealed.matches;
        }
        revealed.positions += slot == character ? 1 : 0;
    }
    return revealed;
}

}  // namespace

Revealed reveal(std::string_view word, std::string& slots, char letter) {
    return word.size() == slots.size() ? revealBytes(word, slots, letter)
                                       : revealCharacters(word, slots, letter);
}
