#include "LetterMoves.h"

#include <gtest/gtest.h>

#include <string_view>

namespace {

int from(char letter, LetterMove move, std::string_view hidden = "") {
    std::bitset<kLetterCount> shown;
    shown.set();
    for (const char gone : hidden) {
        shown.reset(static_cast<std::size_t>(gone - 'A'));
    }
    return 'A' + letterAfter(move, letter - 'A', shown);
}

TEST(LetterMoves, followTheRowsPastHiddenLettersAndStopAtTheEdges) {
    EXPECT_EQ(from('A', LetterMove::Right), 'B');
    EXPECT_EQ(from('A', LetterMove::Right, "BC"), 'D');
    EXPECT_EQ(from('H', LetterMove::Right), 'H');  // the end of the top row
    EXPECT_EQ(from('I', LetterMove::Left), 'I');
    EXPECT_EQ(from('K', LetterMove::Left, "IJ"), 'K');
}

TEST(LetterMoves, goUpAndDownToTheNearestLetterOfTheNearestRowShowingOne) {
    // Each row stands half a key in from the one above: A's nearest below is I, V's above P.
    EXPECT_EQ(from('A', LetterMove::Down), 'I');
    EXPECT_EQ(from('B', LetterMove::Down), 'J');
    EXPECT_EQ(from('H', LetterMove::Down), 'O');
    EXPECT_EQ(from('V', LetterMove::Up), 'P');
    EXPECT_EQ(from('I', LetterMove::Up), 'A');
    EXPECT_EQ(from('A', LetterMove::Down, "IJKLMNO"), 'P');
    EXPECT_EQ(from('Z', LetterMove::Down), 'Z');
    EXPECT_EQ(from('D', LetterMove::Up), 'D');
}

TEST(LetterMoves, homeAndEndGoToTheFirstAndLastLetterShown) {
    EXPECT_EQ(from('M', LetterMove::First), 'A');
    EXPECT_EQ(from('M', LetterMove::First, "AB"), 'C');
    EXPECT_EQ(from('M', LetterMove::Last, "Z"), 'Y');
}

}  // namespace
