#include "Startoff.h"

#include "RoundTexts.h"
#include "Utf8.h"

void startoff(GameState& state, GameDisplay& display, Random& random, const WordFile& file) {
    WordList words = file.read();
    state.wordFile = file;
    startRound(state, display, random, std::move(words));
}

void startRound(GameState& state, GameDisplay& display, Random& random, WordList words) {
    std::u32string secretWord =
        decodeUtf8(words.word(pickWordNumber(words.count(), random.next())));

    state.missesLeft = kMissesPerRound;
    state.lettersGuessed.reset();
    state.roundOver = false;
    state.category = words.category();
    display.setCaption(captionText(state.category));
    state.wordList = std::move(words);
    state.slots.assign(secretWord.size(), '_');
    state.secretWord = std::move(secretWord);
    display.setMaskedWord(maskedWordText(state.slots));
    display.setWinsText(winsText(state.winsTally));
}

std::size_t pickWordNumber(std::size_t count, double r) {
    // r has 53 significant bits, and a word file holds fewer than 2^28 words: every number
    // from 1 to count comes about as often as any other, and the integer part of the product
    // stays below count.
    return static_cast<std::size_t>(static_cast<double>(count) * r) + 1;
}
