#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ChosenRandom.h"
#include "FormatError.h"
#include "Guess.h"
#include "RecordingDisplay.h"
#include "Require.h"
#include "RoundTexts.h"
#include "Startoff.h"
#include "Utf8.h"

// Plays one round from arbitrary bytes, checking the game's invariants after every step;
// a broken one aborts. The bytes are: how many guesses (one byte), the random number (three
// bytes, 24 bits), the guesses (one byte each, taken modulo 26), then the word file.
namespace fuzzing {

// The word a character at a time, each as its UTF-8 bytes.
inline std::vector<std::string_view> charactersOf(std::string_view utf8) {
    std::vector<std::string_view> characters;
    for (std::size_t start = 0, end = 1; start < utf8.size(); start = end++) {
        while (end < utf8.size() && !beginsCharacter(utf8[end])) {
            ++end;
        }
        characters.push_back(utf8.substr(start, end - start));
    }
    return characters;
}

inline bool allRevealed(const GameState& state, const std::vector<std::string_view>& secretWord) {
    for (std::size_t i = 0; i < state.slots.size(); ++i) {
        if (secretWord[i] != std::string_view(&state.slots[i], 1)) {
            return false;
        }
    }
    return true;
}

inline void playWordFile(const std::uint8_t* data, std::size_t size) {
    if (size < 4) {
        return;
    }
    const std::size_t guessCount = std::min<std::size_t>(data[0] % 41, size - 4);
    const std::uint32_t bits = data[1] | (data[2] << 8) | (data[3] << 16);
    const std::vector<std::uint8_t> guesses(data + 4, data + 4 + guessCount);
    std::string bytes(reinterpret_cast<const char*>(data) + 4 + guessCount, size - 4 - guessCount);

    WordList words;
    try {
        words = WordList::fromBytes(std::move(bytes));
    } catch (const FormatError&) {
        return;
    }
    GameState state;
    RecordingDisplay display;
    ChosenRandom random(static_cast<double>(bits) * 0x1p-24);
    startRound(state, display, random, std::move(words));
    require(display.caption == captionText(state.category));
    require(display.maskedWord == maskedWordText(state.slots));
    const std::vector<std::string_view> secretWord = charactersOf(state.secretWord);
    require(state.slots == std::string(secretWord.size(), '_'));
    require(!state.secretWord.empty() && state.missesLeft == kMissesPerRound);

    for (const std::uint8_t guess : guesses) {
        const int missesBefore = state.missesLeft;
        const Outcome outcome = guessLetter(state, display, guess % 26);
        require(state.missesLeft >= 0 && state.missesLeft <= kMissesPerRound);
        require(state.missesLeft == missesBefore || state.missesLeft == missesBefore - 1);
        // The pieces of the misses so far, in order, and no other.
        const auto misses = static_cast<std::size_t>(kMissesPerRound - state.missesLeft);
        require(display.piecesShown.to_ulong() == (1UL << misses) - 1);
        require((outcome == Outcome::Lost) == (state.missesLeft == 0));
        if (outcome != Outcome::Lost) {
            require(display.maskedWord == maskedWordText(state.slots));
            require((outcome == Outcome::Won) == allRevealed(state, secretWord));
        }
        for (std::size_t i = 0; i < state.slots.size(); ++i) {
            const char slot = state.slots[i];
            require(slot == '_' ||
                    (slot >= 'A' && slot <= 'Z' && secretWord[i] == std::string_view(&slot, 1)));
        }
        if (outcome != Outcome::Continue) {
            return;
        }
    }
}

}  // namespace fuzzing
