#include "Startoff.h"

#include "ReadWordList.h"
#include "RoundTexts.h"
#include "Utf8.h"

void startoff(GameState& state, GameDisplay& display, Random& random, const std::string& path) {
    WordList words = readWordList(path);
    state.wordFilePath = path;
    startRound(state, display, random, std::move(words));
}

void startRound(GameState& state, GameDisplay& display, Random& random, WordList words) {
    std::u32string secretWord =
        decodeUtf8(words.word(pickWordNumber(words.count(), random.next())));

    state.missesLeft = kMissesPerRound;
    state.category = words.category();
    display.setCaption(captionText(state.category));
    state.wordList = std::move(words);
    state.slots.assign(secretWord.size(), '_');
    state.secretWord = std::move(secretWord);
    display.setMaskedWord(maskedWordText(state.slots));
    display.setWinsText(winsText(state.winsTally));
}

std::size_t pickWordNumber(std::size_t count, float r) {
    // A float has 24 significant bits, so for any count below 2^29 the product is exact in a
    // double, and beyond that it still stays below count: the integer part never reaches it.
    return static_cast<std::size_t>(static_cast<double>(count) * static_cast<double>(r)) + 1;
}
