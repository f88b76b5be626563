#pragma once

#include <cstdint>
#include <string>

#include "WordList.h"

inline constexpr int kMissesPerRound = 9;

// Everything the game knows. The window's owner keeps it for the whole run, so the word
// file path and the wins tally outlive every reload of the window.
struct GameState {
    std::string wordFilePath;
    std::string category;
    WordList wordList;
    std::u32string secretWord;
    // One character per character of the secret word: '_' or the capital that was guessed.
    std::string slots;
    int missesLeft = kMissesPerRound;
    std::int16_t winsTally = 0;
};
