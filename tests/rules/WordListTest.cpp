#include "WordList.h"

#include <gtest/gtest.h>

#include "TempFolder.h"
#include "WordFileError.h"

namespace {

std::vector<std::string> wordsOf(const WordList& list) {
    std::vector<std::string> words;
    for (std::size_t number = 1; number <= list.count(); ++number) {
        words.emplace_back(list.word(number));
    }
    return words;
}

std::string reasonFor(std::string text) {
    try {
        WordList::fromText(std::move(text), "words.scf");
    } catch (const WordFileError& error) {
        EXPECT_EQ(error.path(), "words.scf");
        return error.reason();
    }
    return "no error";
}

TEST(WordList, takesTheCategoryFirstAndEveryFurtherFieldAsAWord) {
    const auto list = WordList::fromText("Animals\r\nOTTER\r\nZEBRA,LION\r\n", "words.scf");
    EXPECT_EQ(list.category(), "Animals");
    EXPECT_EQ(wordsOf(list), (std::vector<std::string>{"OTTER", "ZEBRA", "LION"}));
}

TEST(WordList, skipsEmptyFieldsSoNoEmptyWordCanBePicked) {
    const auto list = WordList::fromText("Animals\n\nOTTER\n,,\n  \nZEBRA\n\n", "words.scf");
    EXPECT_EQ(wordsOf(list), (std::vector<std::string>{"OTTER", "ZEBRA"}));
}

TEST(WordList, refusesAFileThatCannotGiveARound) {
    EXPECT_EQ(reasonFor(""), "it is empty");
    EXPECT_EQ(reasonFor("Animals"), "it holds a category but no word");
    EXPECT_EQ(reasonFor("Animals\r\n"), "it holds a category but no word");
    EXPECT_EQ(reasonFor("Animals\n\n\n,,\"\"\n"), "it holds a category but no word");
}

TEST(WordList, survivesBeingMovedWithAShortText) {
    // The words are kept as places in the text, so a move must not leave them behind.
    auto list = WordList::fromText("A\nB", "words.scf");
    WordList moved = std::move(list);
    EXPECT_EQ(moved.word(1), "B");
}

TEST(ReadingAWordList, readsFromDiskAndNamesTheFileInItsErrors) {
    TempFolder folder;
    const auto list = readWordList(folder.write("latin.scf", "Caf\xE9s\nLATTE\n"));
    EXPECT_EQ(list.category(), "Caf\xC3\xA9s");
    EXPECT_EQ(list.word(1), "LATTE");

    const std::string empty = folder.write("empty.scf", "");
    try {
        readWordList(empty);
        FAIL() << "an empty file gave a word list";
    } catch (const WordFileError& error) {
        EXPECT_EQ(error.path(), empty);
        EXPECT_EQ(error.reason(), "it is empty");
        EXPECT_EQ(std::string(error.what()),
                  "The word file " + empty + " cannot be used: it is empty.");
    }
}

}  // namespace
