#include "Guess.h"

#include <limits>

#include "Reveal.h"

Outcome guessLetter(GameState& state, GameDisplay& display, int letterIndex) {
    const char letter = static_cast<char>('A' + letterIndex);
    state.lettersGuessed.set(static_cast<std::size_t>(letterIndex));
    display.hideLetter(letterIndex);

    const Revealed revealed = reveal(state.secretWord, state.slots, letter);
    if (revealed.matches == 0) {
        display.showPiece(kMissesPerRound + 1 - state.missesLeft);
        --state.missesLeft;
        if (state.missesLeft == 0) {
            state.roundOver = true;
            return Outcome::Lost;
        }
    }
    display.setMaskedWord(state.slots);
    // An underscore in the word counts as revealed from the start: its slot already holds one.
    state.roundOver = revealed.positions == state.slots.size();
    return state.roundOver ? Outcome::Won : Outcome::Continue;
}

void countWin(GameState& state) {
    // The tally stops at its largest value rather than overflow.
    if (state.winsTally < std::numeric_limits<std::int16_t>::max()) {
        ++state.winsTally;
    }
}
