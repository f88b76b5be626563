#include "Guess.h"

#include <gtest/gtest.h>

#include <climits>

#include "ChosenRandom.h"
#include "RecordingDisplay.h"
#include "RoundTexts.h"
#include "Startoff.h"

namespace {

using Calls = std::vector<std::string>;

int indexOf(char letter) {
    return letter - 'A';
}

class Round : public testing::Test {
protected:
    void start(std::string_view word) {
        // The first word is played; OTTER after it keeps a file of other words playable.
        startoff(state, display, random,
                 WordFile::ofBytes("words.scf", "Test\n" + std::string(word) + "\nOTTER\n"));
        display.calls.clear();
    }

    Outcome guess(char letter) { return guessLetter(state, display, indexOf(letter)); }

    GameState state;
    RecordingDisplay display;
    ChosenRandom random;
};

TEST_F(Round, otterIsWonLetterByLetterWithOneMiss) {
    start("OTTER");
    EXPECT_EQ(guess('T'), Outcome::Continue);
    EXPECT_EQ(guess('Z'), Outcome::Continue);
    EXPECT_EQ(guess('O'), Outcome::Continue);
    EXPECT_EQ(guess('E'), Outcome::Continue);
    EXPECT_EQ(guess('R'), Outcome::Won);
    EXPECT_EQ(display.calls, (Calls{
                                 "hide T",
                                 "masked _ T T _ _",  //
                                 "hide Z",
                                 "piece 1",
                                 "masked _ T T _ _",  //
                                 "hide O",
                                 "masked O T T _ _",  //
                                 "hide E",
                                 "masked O T T E _",  //
                                 "hide R",
                                 "masked O T T E R",
                             }));
    EXPECT_EQ(state.missesLeft, 8);
}

TEST_F(Round, bananaIsLostAtTheNinthMissWithoutRebuildingTheMaskedWord) {
    start("BANANA");
    EXPECT_EQ(guess('A'), Outcome::Continue);
    Calls expected{"hide A", "masked _ A _ A _ A"};
    const std::string misses = "CDEFGHIJ";
    for (std::size_t k = 0; k < misses.size(); ++k) {
        EXPECT_EQ(guess(misses[k]), Outcome::Continue);
        expected.insert(expected.end(), {std::string("hide ") + misses[k],
                                         "piece " + std::to_string(k + 1), "masked _ A _ A _ A"});
    }
    EXPECT_EQ(state.missesLeft, 1);
    EXPECT_EQ(guess('K'), Outcome::Lost);
    expected.insert(expected.end(), {"hide K", "piece 9"});
    EXPECT_EQ(display.calls, expected);
    EXPECT_EQ(state.missesLeft, 0);
}

TEST_F(Round, revealsEveryOccurrenceAtOnce) {
    start("BANANA");
    guess('A');
    EXPECT_EQ(state.slots, "_A_A_A");
    EXPECT_EQ(state.missesLeft, 9);
    EXPECT_EQ(guess('N'), Outcome::Continue);
    EXPECT_EQ(guess('B'), Outcome::Won);
}

TEST_F(Round, neverRevealsSmallLettersOrOtherCharacters) {
    start("otter");
    EXPECT_EQ(guess('O'), Outcome::Continue);
    EXPECT_EQ(display.calls, (Calls{"hide O", "piece 1", "masked _ _ _ _ _"}));

    start("T-REX");
    for (const char letter : std::string("TREX")) {
        EXPECT_EQ(guess(letter), Outcome::Continue);
    }
    EXPECT_EQ(state.slots, "T_REX");
}

TEST_F(Round, anUnderscoreIsRevealedFromTheStart) {
    start("___");
    EXPECT_EQ(guess('Q'), Outcome::Won);
    EXPECT_EQ(display.calls, (Calls{"hide Q", "piece 1", "masked _ _ _"}));

    start("A_B");
    guess('A');
    EXPECT_EQ(guess('B'), Outcome::Won);
}

TEST_F(Round, aRepeatedGuessChangesNothingOrIsOneMoreMiss) {
    start("OTTER");
    guess('T');
    guess('T');
    EXPECT_EQ(state.missesLeft, 9);
    guess('Z');
    guess('Z');
    EXPECT_EQ(state.missesLeft, 7);
    EXPECT_EQ(display.calls.back(), "masked _ T T _ _");
}

TEST_F(Round, aLongWordIsRevealedAlikeInEveryPosition) {
    // Characters of one, two and three bytes in UTF-8 and a small letter, over and over: each
    // position is revealed by the same rule, wherever it stands.
    std::string word;
    for (int i = 0; i < 7; ++i) {
        word += "XY_\xC3\xBF\xCE\xA9x";  // X, Y, an underscore, \u00FF, \u03A9 and a small x
    }
    start(word);
    EXPECT_EQ(guess('X'), Outcome::Continue);
    EXPECT_EQ(guess('Y'), Outcome::Continue);
    std::string slots;
    for (int i = 0; i < 7; ++i) {
        slots += "XY____";
    }
    EXPECT_EQ(state.slots, slots);
    EXPECT_EQ(display.calls.back(), "masked " + maskedWordText(slots));

    start(std::string(40, 'A') + "_" + std::string(20, 'A'));
    EXPECT_EQ(guess('A'), Outcome::Won);
}

TEST(CountWin, raisesTheTallyAndStopsAtItsLargest) {
    GameState state;
    countWin(state);
    EXPECT_EQ(state.winsTally, 1);
    state.winsTally = SHRT_MAX - 1;
    countWin(state);
    countWin(state);
    EXPECT_EQ(state.winsTally, SHRT_MAX);
}

}  // namespace
