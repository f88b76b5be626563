#include "Reveal.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

#if defined(__SSE2__)
// Sixteen positions at a time; returns the first position it left for the plain loop.
std::size_t revealSixteens(std::u32string_view word, std::string& slots, char letter,
                           std::string& maskedWord, Revealed& revealed) {
    const __m128i letter32 = _mm_set1_epi32(static_cast<unsigned char>(letter));
    const __m128i letter8 = _mm_set1_epi8(letter);
    const __m128i spaces = _mm_set1_epi8(' ');
    const __m128i zero = _mm_setzero_si128();
    const auto* characters = reinterpret_cast<const __m128i*>(word.data());
    std::size_t i = 0;
    while (i + 16 <= word.size()) {
        // Byte counters, added up before any can pass 255.
        __m128i matches = zero;
        __m128i positions = zero;
        for (int round = 0; round < 255 && i + 16 <= word.size(); ++round, i += 16) {
            const __m128i* c = characters + i / 4;
            const __m128i c0 = _mm_loadu_si128(c);
            const __m128i c1 = _mm_loadu_si128(c + 1);
            const __m128i c2 = _mm_loadu_si128(c + 2);
            const __m128i c3 = _mm_loadu_si128(c + 3);
            const __m128i match = _mm_packs_epi16(
                _mm_packs_epi32(_mm_cmpeq_epi32(c0, letter32), _mm_cmpeq_epi32(c1, letter32)),
                _mm_packs_epi32(_mm_cmpeq_epi32(c2, letter32), _mm_cmpeq_epi32(c3, letter32)));
            auto* slot = reinterpret_cast<__m128i*>(slots.data() + i);
            const __m128i slot8 = _mm_or_si128(_mm_and_si128(match, letter8),
                                               _mm_andnot_si128(match, _mm_loadu_si128(slot)));
            _mm_storeu_si128(slot, slot8);
            // Characters past 255 saturate to 255, which no slot ever holds.
            const __m128i character8 =
                _mm_packus_epi16(_mm_packs_epi32(c0, c1), _mm_packs_epi32(c2, c3));
            matches = _mm_sub_epi8(matches, match);
            positions = _mm_sub_epi8(positions, _mm_cmpeq_epi8(slot8, character8));
            auto* text = reinterpret_cast<__m128i*>(maskedWord.data() + 2 * i);
            _mm_storeu_si128(text, _mm_unpacklo_epi8(slot8, spaces));
            _mm_storeu_si128(text + 1, _mm_unpackhi_epi8(slot8, spaces));
        }
        const auto sum = [zero](__m128i counts) {
            const __m128i halves = _mm_sad_epu8(counts, zero);
            return static_cast<std::size_t>(_mm_cvtsi128_si32(halves)) +
                   static_cast<std::size_t>(_mm_extract_epi16(halves, 4));
        };
        revealed.matches += sum(matches);
        revealed.positions += sum(positions);
    }
    return i;
}
#endif

}  // namespace

Revealed reveal(std::u32string_view word, std::string& slots, char letter,
                std::string& maskedWord) {
    Revealed revealed{0, 0};
    maskedWord.assign(2 * word.size(), ' ');
    std::size_t i = 0;
#if defined(__SSE2__)
    i = revealSixteens(word, slots, letter, maskedWord, revealed);
#endif
    for (; i < word.size(); ++i) {
        if (word[i] == static_cast<char32_t>(letter)) {
            slots[i] = letter;
            ++revealed.matches;
        }
        revealed.positions +=
            static_cast<char32_t>(static_cast<unsigned char>(slots[i])) == word[i];
        maskedWord[2 * i] = slots[i];
    }
    if (!maskedWord.empty()) {
        maskedWord.pop_back();  // no space after the last slot
    }
    return revealed;
}
