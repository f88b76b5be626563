#include "Guess.h"

#include <limits>

#include "RoundTexts.h"

Outcome guessLetter(GameState& state, GameDisplay& display, int letterIndex) {
    const char letter = static_cast<char>('A' + letterIndex);
    display.hideLetter(letterIndex);

    const std::u32string& word = state.secretWord;
    int matches = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        if (word[i] == static_cast<char32_t>(letter)) {
            state.slots[i] = letter;
            ++matches;
        }
    }

    if (matches == 0) {
        display.showPiece(kMissesPerRound + 1 - state.missesLeft);
        --state.missesLeft;
        if (state.missesLeft == 0) {
            return Outcome::Lost;
        }
    }
    display.setMaskedWord(maskedWordText(state.slots));

    // An underscore in the word is revealed from the start, since its slot already holds one.
    std::size_t revealed = 0;
    for (std::size_t i = 0; i < word.size(); ++i) {
        revealed += static_cast<char32_t>(static_cast<unsigned char>(state.slots[i])) == word[i];
    }
    return revealed == word.size() ? Outcome::Won : Outcome::Continue;
}

void countWin(GameState& state) {
    // The tally stops at its largest value rather than overflow.
    if (state.winsTally < std::numeric_limits<std::int16_t>::max()) {
        ++state.winsTally;
    }
}
