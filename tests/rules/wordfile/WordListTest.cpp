#include "WordList.h"

#include <gtest/gtest.h>

#include "FormatError.h"
#include "ReasonFor.h"
#include "TempFolder.h"
#include "Utf16.h"
#include "WordFile.h"
#include "WordFileError.h"

namespace {

std::vector<std::string> wordsOf(const WordList& list) {
    std::vector<std::string> words;
    for (std::size_t number = 1; number <= list.count(); ++number) {
        words.emplace_back(list.word(number));
    }
    return words;
}

std::string refusalOf(std::string text) {
    return reasonFor<FormatError>([&] { WordList::fromText(std::move(text)); });
}

TEST(WordList, takesTheCategoryFirstAndEveryFurtherFieldAsAWord) {
    const auto list = WordList::fromText("Animals\r\nOTTER\r\nZEBRA,LION\r\n");
    EXPECT_EQ(list.category(), "Animals");
    EXPECT_EQ(wordsOf(list), (std::vector<std::string>{"OTTER", "ZEBRA", "LION"}));
}

TEST(WordList, skipsEmptyFieldsSoNoEmptyWordCanBePicked) {
    const auto list = WordList::fromText("Animals\n\nOTTER\n,,\n  \nZEBRA\n\n");
    EXPECT_EQ(wordsOf(list), (std::vector<std::string>{"OTTER", "ZEBRA"}));
}

TEST(WordList, refusesAFileThatCannotGiveARound) {
    EXPECT_EQ(refusalOf(""), "it is empty");
    EXPECT_EQ(refusalOf("Animals"), "it holds a category but no word");
    EXPECT_EQ(refusalOf("Animals\r\n"), "it holds a category but no word");
    EXPECT_EQ(refusalOf("Animals\n\n\n,,\"\"\n"), "it holds a category but no word");
    EXPECT_EQ(refusalOf("Animals\n" + std::string(11, ',') + "\""),
              "a quote opened in its 13th field is never closed");
    // Only the capitals A to Z can be guessed: small letters, accents, digits win no round.
    const std::string noneWinnable = "it holds no word written in the capitals A to Z";
    EXPECT_EQ(refusalOf("Animals\notter\nzebra\n"), noneWinnable);
    EXPECT_EQ(refusalOf("Tiere\n\xC3\x84"
                        "FFCHEN\nB\xC3\x84R\n"),
              noneWinnable);
    EXPECT_EQ(refusalOf("Years\nY2K,T-REX,A_B"), noneWinnable);
    EXPECT_EQ(refusalOf("Mixed\notter\n\xC3\x84"
                        "FFCHEN\nZEBRA"),
              "no error");
}

// Bytes as an editor saves them, one case a row: the caption's category and the word the
// round is played on, or the reason the file is refused.
struct SavedFile {
    const char* name;
    std::string bytes;
    std::string category;
    std::string word;
    std::string refusal;
};

TEST(WordList, readsFilesAsTheirEditorsSavedThem) {
    using namespace std::string_literals;
    const SavedFile files[] = {
        // Played as written
        {"UTF-16, little-endian", utf16("Fruit\r\nPEAR\r\n", false), "Fruit", "PEAR", ""},
        {"UTF-16, big-endian", utf16("Caf\xE9\r\nLATTE", true), "Caf\xC3\xA9", "LATTE", ""},
        {"Notepad's ANSI", "Prices \x80 \x96 \x8Akoda\r\nOTTER\r\n",
         "Prices \u20AC \u2013 \u0160koda", "OTTER", ""},
        {"UTF-8 mark before Latin-1",
         "\xEF\xBB\xBF"
         "Caf\xE9\nLATTE\n",
         "Caf\xC3\xA9", "LATTE", ""},
        {"end-of-file mark", "Animals\r\nOTTER\r\n\x1A", "Animals", "OTTER", ""},
        {"a million empty lines", "Blank" + std::string(1'000'000, '\n') + "WORD\n", "Blank",
         "WORD", ""},
        {"end-of-file mark, then junk", "Animals\nOTTER\x1A\0\xFFZEBRA"s, "Animals", "OTTER", ""},
        {"end-of-file mark in the category", "Ani\x1Amals\nOTTER", "", "",
         "it holds a category but no word"},
        // Refused
        {"NUL among the words", "Animals\nOT\0TER"s, "", "", "it is not a text file"},
        {"NUL in the category", "Ani\0mals\nOTTER"s, "", "", "it is not a text file"},
        {"quote never closed in the category", "\"Animals\nOTTER\nZEBRA\n", "", "",
         "a quote opened in its first field is never closed"},
        {"quote never closed at the end", "Animals\n\n\"", "", "",
         "a quote opened in its third field is never closed"},
    };
    for (const SavedFile& file : files) {
        SCOPED_TRACE(file.name);
        try {
            const WordList list = WordList::fromBytes(file.bytes);
            EXPECT_EQ(list.category(), file.category);
            ASSERT_EQ(list.count(), 1U);
            EXPECT_EQ(list.word(1), file.word);
        } catch (const FormatError& error) {
            EXPECT_EQ(error.what(), file.refusal);
        }
    }
}

TEST(WordList, survivesBeingMovedWithAShortText) {
    // The words are kept as places in the text, so a move must not leave them behind.
    auto list = WordList::fromText("A\nB");
    WordList moved = std::move(list);
    EXPECT_EQ(moved.word(1), "B");
}

TEST(ReadingAWordList, findsTheSameWordsInALongFileWhereverABlankStands) {
    // Long files are counted block by block as they are read; a blank among the words sends
    // them the slower way, one in the category does not.
    TempFolder folder;
    std::string words;
    for (int i = 0; i < 100'000; ++i) {
        words += "LION" + std::to_string(i) + "\r\n";
    }
    for (const std::string category : {"Cats", "Big cats", "\"Cats, big\""}) {
        for (const std::string last : {"TIGER", " TIGER "}) {
            SCOPED_TRACE(category + last);
            const auto list =
                WordFile::atPath(folder.write("long.scf", category + "\n" + words + last)).read();
            EXPECT_EQ(list.count(), 100'001U);
            EXPECT_EQ(list.word(77'777), "LION77776");
            EXPECT_EQ(list.word(100'001), "TIGER");
        }
    }
}

TEST(ReadingAWordList, readsFromDiskAndNamesTheFileInItsErrors) {
    TempFolder folder;
    const auto list = WordFile::atPath(folder.write("latin.scf", "Caf\xE9s\nLATTE\n")).read();
    EXPECT_EQ(list.category(), "Caf\xC3\xA9s");
    EXPECT_EQ(list.word(1), "LATTE");

    const std::string empty = folder.write("empty.scf", "");
    try {
        WordFile::atPath(empty).read();
        FAIL() << "an empty file gave a word list";
    } catch (const WordFileError& error) {
        EXPECT_EQ(error.name(), empty);
        EXPECT_EQ(std::string(error.what()),
                  "The word file " + empty + " cannot be used: it is empty.");
    }
}

}  // namespace
