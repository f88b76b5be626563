#pragma once

#include <bitset>
#include <cstdint>
#include <string>
#include <string_view>

#include "WordFile.h"

inline constexpr int kMissesPerRound = 9;
inline constexpr int kLetterCount = 26;

// Everything the game knows. The window's owner keeps it for the whole run, so the word
// file and the wins tally outlive every reload of the window.
struct GameState {
    WordFile wordFile;
    std::string category;
    WordList wordList;
    // One of the word list's words, in UTF-8, where the list keeps it: never a second copy.
    std::string_view secretWord;
    // One byte per character of the secret word: '_' or the capital that was guessed.
    std::string slots;
    int missesLeft = kMissesPerRound;
    std::int16_t winsTally = 0;
    // The letters guessed in this round, by index.
    std::bitset<kLetterCount> lettersGuessed;
    // Won or lost: the round takes no more guesses.
    bool roundOver = false;
};
