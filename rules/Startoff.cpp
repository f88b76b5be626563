#include "Startoff.h"

#include "RoundTexts.h"
#include "Utf8.h"

void startoff(GameState& state, GameDisplay& display, Random& random, const WordFile& file) {
    WordList words = file.read();
    state.wordFile = file;
    startRound(state, display, random, std::move(words));
}

void startRound(GameState& state, GameDisplay& display, Random& random, WordList words) {
    const std::string_view secretWord = words.word(pickWordNumber(words.count(), random.next()));

    state.missesLeft = kMissesPerRound;
    state.lettersGuessed.reset();
    state.roundOver = false;
    state.category = words.category();
    display.setCaption(captionText(state.category));
    // The word stays where it is: the list's text moves with the list.
    state.wordList = std::move(words);
    state.secretWord = secretWord;
    state.slots.assign(characterCount(secretWord), '_');
    display.setMaskedWord(state.slots);
    display.setWinsText(winsText(state.winsTally));
}

std::size_t pickWordNumber(std::size_t count, double r) {
    // r has 53 significant bits, and a word file holds fewer than 2^28 words: every number
    // from 1 to count comes about as often as any other, and the integer part of the product
    // stays below count.
    return static_cast<std::size_t>(static_cast<double>(count) * r) + 1;
}
