#include "Startoff.h"

#include <gtest/gtest.h>

#include <cmath>

#include "ChosenRandom.h"
#include "RecordingDisplay.h"
#include "TempFolder.h"
#include "WordFileError.h"

namespace {

using Calls = std::vector<std::string>;

const double kLargestBelowOne = std::nextafter(1.0, 0.0);

class RoundStart : public testing::Test {
protected:
    void startFrom(std::string_view text, double r = 0, const char* name = "words.scf") {
        random.r = r;
        startoff(state, display, random, WordFile::atPath(folder.write(name, text)));
    }

    TempFolder folder;
    GameState state;
    RecordingDisplay display;
    ChosenRandom random;
};

TEST_F(RoundStart, setsCaptionThenMaskedWordThenWins) {
    startFrom("Animals\nOTTER\n");
    EXPECT_EQ(display.calls,
              (Calls{"caption Scaffle! Category: Animals", "masked _ _ _ _ _", "wins Wins: 0"}));
    EXPECT_EQ(state.secretWord, "OTTER");
    EXPECT_EQ(state.slots, "_____");
    EXPECT_EQ(state.missesLeft, 9);
}

TEST_F(RoundStart, showsAOneLetterWordWithoutSpacesAndAnyTally) {
    state.winsTally = 12;
    startFrom("Letters\nQ\n");
    EXPECT_EQ(display.calls,
              (Calls{"caption Scaffle! Category: Letters", "masked _", "wins Wins: 12"}));
}

TEST_F(RoundStart, picksEveryWordAndNoneOutsideTheList) {
    const std::string words = "Animals\nOTTER\nZEBRA\nLION\n";
    startFrom(words, 0);
    EXPECT_EQ(state.secretWord, "OTTER");
    startFrom(words, 0.5);
    EXPECT_EQ(state.secretWord, "ZEBRA");
    startFrom(words, kLargestBelowOne);
    EXPECT_EQ(state.secretWord, "LION");
}

TEST_F(RoundStart, rereadsTheFileAtEveryStart) {
    startFrom("Animals\nOTTER\n");
    startFrom("Birds\nWREN\n");
    EXPECT_EQ(state.category, "Birds");
    EXPECT_EQ(state.secretWord, "WREN");
}

TEST_F(RoundStart, givesOneSlotPerCharacterNotPerByte) {
    startFrom("Caf\xC3\xA9\nCR\xC3\x88ME\nLATTE\n");  // the first word is played
    EXPECT_EQ(state.slots, "_____");
    EXPECT_EQ(state.secretWord, "CR\xC3\x88ME");
    EXPECT_EQ(display.calls.front(), "caption Scaffle! Category: Caf\xC3\xA9");
}

TEST_F(RoundStart, leavesStateAndDisplayUntouchedWhenTheFileCannotGiveARound) {
    startFrom("Animals\nOTTER\n");
    state.slots = "_TT__";
    state.missesLeft = 4;
    display.calls.clear();
    const GameState before = state;

    for (const char* text : {"", "Birds", "Birds\n\n\n"}) {
        EXPECT_THROW(startFrom(text, 0, "bad.scf"), WordFileError) << text;
    }
    EXPECT_THROW(
        startoff(state, display, random, WordFile::atPath((folder.path() / "gone.scf").string())),
        WordFileError);

    EXPECT_TRUE(display.calls.empty());
    EXPECT_EQ(state.category, before.category);
    EXPECT_EQ(state.secretWord, before.secretWord);
    EXPECT_EQ(state.slots, before.slots);
    EXPECT_EQ(state.missesLeft, 4);
    EXPECT_EQ(state.wordFile.name(), before.wordFile.name());
    EXPECT_EQ(state.wordList.word(1), "OTTER");
}

TEST(PickWordNumber, reachesEveryWordOfTheLargestFileAndNoneOutside) {
    // 128 million one-letter words fit under the size limit.
    for (const std::size_t count : {2UL, 3UL, 1000UL, 16'777'217UL, 134'217'728UL}) {
        EXPECT_EQ(pickWordNumber(count, kLargestBelowOne), count) << count;
        EXPECT_EQ(pickWordNumber(count, 0), 1U) << count;
        const auto countAsDouble = static_cast<double>(count);
        EXPECT_EQ(pickWordNumber(count, (countAsDouble - 1.5) / countAsDouble), count - 1) << count;
    }
    EXPECT_EQ(pickWordNumber(3, 0.33), 1U);
    EXPECT_EQ(pickWordNumber(3, 0.34), 2U);
    EXPECT_EQ(pickWordNumber(3, 0.67), 3U);
}

}  // namespace
