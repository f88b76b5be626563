#include "Form1.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ChosenRandom.h"
#include "FakeHost.h"
#include "RecordingWindow.h"
#include "TempFolder.h"
#include "WordShown.h"

namespace {

using Message = FakeHost::Message;
using Messages = std::vector<Message>;
using Calls = std::vector<std::string>;

const char* const kFilter = "Scaffle files (*.scf)|*.scf|Text files (*.txt)|*.txt|All files|*.*";

// A game played in a folder of its own, where the default word file is C:/scaffle.scf.
class Game : public testing::Test {
protected:
    Game() { std::filesystem::current_path(folder.path()); }
    ~Game() override {
        // On Windows the default file is no file of the folder's, but the root of drive C:'s.
        std::filesystem::remove(folder.path() / "C:/scaffle.scf");
        std::filesystem::current_path(std::filesystem::temp_directory_path());
    }

    void writeDefault(std::string_view text) { folder.write("C:/scaffle.scf", text); }
    void start(std::string_view text) {
        writeDefault(text);
        form.Form_Load();
    }
    void click(std::string_view letters) {
        for (const char letter : letters) {
            form.Letter_Click(letter - 'A');
        }
    }
    void open(const std::string& path) { open(WordFile::atPath(path)); }
    void open(const std::optional<WordFile>& file) {
        host.answers.push_back(file);
        form.mnuOH_Click();
    }
    std::string shownPath(const std::string& name) const { return (folder.path() / name).string(); }

    TempFolder folder;
    RecordingWindow window;
    FakeHost host;
    ChosenRandom random;
    Form1 form{window, host, random};
};

TEST_F(Game, aLoadBuildsTheKeyboardThenStartsARoundFocusesAAndTellsTheRound) {
    start("Test\nOTTER\n");
    EXPECT_EQ(window.calls,
              (Calls{"keyboard", "caption Scaffle! Category: Test", "masked _ _ _ _ _",
                     "wins Wins: 0", "focus A", "tell 5 letters. Wins: 0"}));
    EXPECT_EQ(form.state().wordFile.name(), "C:/scaffle.scf");
    EXPECT_EQ(random.seeds, 1);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(Game, aWinIsReportedThenTheWindowReloadsOnceTheClickIsOver) {
    start("Test\nOTTER\n");
    click("TZOE");
    std::string shownAtReport;
    host.onMessage = [&] { shownAtReport = window.maskedWord + " / " + window.winsText; };
    click("R");
    EXPECT_EQ(host.messages, (Messages{{"You won! Wow!", "Winner!"}}));
    EXPECT_EQ(shownAtReport, "O T T E R / Wins: 0");
    EXPECT_EQ(form.state().winsTally, 1);
    // Nothing is rebuilt inside the click, and the finished round takes no more input: a miss
    // there would count a second win, a second Exit end twice.
    EXPECT_EQ(window.lettersShown.count(), 21U);
    click("Q");
    form.mnuAbout_Click();
    EXPECT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(form.state().missesLeft, 8);

    window.calls.clear();
    host.finishEvent();
    EXPECT_EQ(window.calls,
              (Calls{"rebuild", "keyboard", "caption Scaffle! Category: Test", "masked _ _ _ _ _",
                     "wins Wins: 1", "focus A", "tell 5 letters. Wins: 1"}));
    EXPECT_EQ(form.state().missesLeft, 9);
    EXPECT_EQ(random.seeds, 2);
    click("Q");
    EXPECT_EQ(window.piecesShown.count(), 1U);
    EXPECT_TRUE(host.ends.empty());
}

TEST_F(Game, aLossReportsTheWordAsReadThenEnds) {
    start(
        "Test\nZ\xC3\x89"
        "BRA\nOTTER\n");
    click("CDFGHIJK");
    EXPECT_TRUE(host.ends.empty());
    click("L");
    EXPECT_EQ(host.messages, (Messages{{"You lost! The word was Z\xC3\x89"
                                        "BRA. Try again next time!",
                                        "Try Again!"}}));
    EXPECT_EQ(host.ends, std::vector<int>{0});
    click("Z");
    EXPECT_EQ(host.messages.size(), 1U);
}

TEST_F(Game, aLetterAlreadyGuessedCannotBeGuessedAgain) {
    // A screen reader can press a hidden button: it must not count a miss twice.
    start("Test\nOTTER\n");
    click("TTZZZ");
    EXPECT_EQ(form.state().missesLeft, 8);
    // A screen reader is told each guess's result once: the word after T, the piece after Z.
    const Calls guesses(window.calls.end() - 7, window.calls.end());
    EXPECT_EQ(guesses, (Calls{"hide T", "masked _ T T _ _", "tell _ T T _ _", "hide Z", "piece 1",
                              "masked _ T T _ _", "tell 1 of 9 pieces shown"}));
    EXPECT_EQ(window.piecesShown.count(), 1U);
}

TEST_F(Game, theArrowsMoveTheFocusPastGuessedLetters) {
    start("Test\nOTTER\n");
    click("B");
    form.Letter_KeyDown(0, LetterMove::Right);
    EXPECT_EQ(window.calls.back(), "focus C");
}

TEST_F(Game, openingAWordFileMidRoundStartsAFreshRoundAndClearsTheBoard) {
    start("Test\nOTTER\n");
    click("TAB");
    window.calls.clear();
    const std::string birds = folder.write("birds.scf", "Birds\nWREN\n");
    open(birds);
    EXPECT_EQ(host.filters, std::vector<std::string>{kFilter});
    EXPECT_EQ(window.calls.front(), "caption Scaffle! Category: Birds");
    EXPECT_EQ(window.calls.back(), "tell Scaffle! Category: Birds. 4 letters. Wins: 0");
    EXPECT_EQ(window.maskedWord, "_ _ _ _");
    EXPECT_EQ(window.winsText, "Wins: 0");
    EXPECT_EQ(window.lettersShown.count(), 26U);
    EXPECT_EQ(window.piecesShown.count(), 0U);
    EXPECT_EQ(form.state().missesLeft, 9);
    EXPECT_TRUE(host.messages.empty());

    // The opened file is the one a win goes on with; letters guessed before count no more.
    click("AWREN");
    host.finishEvent();
    EXPECT_EQ(window.caption, "Scaffle! Category: Birds");
    EXPECT_EQ(form.state().wordFile.name(), birds);
    EXPECT_EQ(window.winsText, "Wins: 1");
}

TEST_F(Game, aCancelledOrRefusedOpenLeavesTheRoundAsItWas) {
    start("Test\nOTTER\n");
    click("TZ");
    const Calls before = window.calls;
    open(std::nullopt);
    open(folder.write("empty.scf", ""));
    open(folder.path().string());
    EXPECT_EQ(
        host.messages,
        (Messages{{"The word file " + shownPath("empty.scf") + " cannot be used: it is empty.",
                   "Scaffle!"},
                  {"The word file " + folder.path().string() +
                       " cannot be used: it is a folder, not a file.",
                   "Scaffle!"}}));
    EXPECT_EQ(window.calls, before);
    EXPECT_EQ(form.state().wordFile.name(), "C:/scaffle.scf");
    EXPECT_EQ(form.state().missesLeft, 8);
}

TEST_F(Game, aFileGivenAsBytesPlaysAsFromDiskAndIsNamedAsThePlayerChoseIt) {
    // A browser has no paths: the page hands over the bytes of the chosen file and its name.
    start("Test\nOTTER\n");
    open(WordFile::ofBytes("birds.txt", "Birds\r\nWREN\r\n"));
    EXPECT_EQ(window.caption, "Scaffle! Category: Birds");
    click("WREN");
    host.finishEvent();
    EXPECT_EQ(window.caption, "Scaffle! Category: Birds");
    EXPECT_EQ(window.winsText, "Wins: 1");

    open(WordFile::ofBytes("notes.txt", "Notes\n"));
    EXPECT_EQ(host.messages.back(),
              (Message{"The word file notes.txt cannot be used: it holds a category but no word.",
                       "Scaffle!"}));
    EXPECT_EQ(window.caption, "Scaffle! Category: Birds");
}

TEST_F(Game, aMissingDefaultFilePlaysTheBuiltInListSilently) {
    form.Form_Load();
    EXPECT_EQ(window.caption, "Scaffle! Category: Animals");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_GE(form.state().wordList.count(), 150U);
}

TEST_F(Game, everyLoadRereadsTheFileAndTellsOfABadOneOnceOverTheNewRound) {
    start("");
    // Told once the load is over and the window shows the built-in round.
    EXPECT_TRUE(host.messages.empty());
    host.finishEvent();
    // The default is looked for in the current folder, which the box names.
    const Messages emptyOnce{{"The word file " + shownPath("C:/scaffle.scf") +
                                  " cannot be used: it is empty. The built-in animals are "
                                  "played instead.",
                              "Scaffle!"}};
    EXPECT_EQ(host.messages, emptyOnce);
    EXPECT_EQ(window.caption, "Scaffle! Category: Animals");

    const auto win = [this] {
        click("ARDVK");  // AARDVARK, the first animal, or OTTER's letters with misses
        click("OTE");
        host.finishEvent();  // the reload, and anything it put off
    };
    win();
    EXPECT_EQ(host.messages.size(), 2U);  // the win, and the file not told of again
    EXPECT_EQ(window.caption, "Scaffle! Category: Animals");

    writeDefault("Test\nOTTER\n");
    win();
    EXPECT_EQ(window.caption, "Scaffle! Category: Test");

    // Bad again at a reload: the box comes over the new round, not the finished one.
    writeDefault("");
    std::string shownAtReport;
    host.onMessage = [&] { shownAtReport = window.caption + " / " + window.winsText; };
    win();
    EXPECT_EQ(host.messages.back(), emptyOnce.back());
    EXPECT_EQ(shownAtReport, "Scaffle! Category: Animals / Wins: 3");
}

TEST(ShippedWordFiles, haveCategoriesTheCaptionShowsWhole) {
    // Under openbox the 311-pixel window's title shows "Scaffle! Category: " and 13 more
    // characters whole; longer ones lose their middle.
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(SCAFFLE_DATA_DIR)) {
        const WordList words = WordFile::atPath(entry.path().string()).read();
        EXPECT_LE(words.category().size(), 13U) << entry.path();
        ++files;
    }
    EXPECT_EQ(files, 4);
}

TEST_F(Game, exitEndsAndAboutTellsWhoWroteIt) {
    start("Test\nOTTER\n");
    form.mnuAbout_Click();
    ASSERT_EQ(host.messages.size(), 1U);
    EXPECT_EQ(host.messages[0].title, "About Scaffle!");
    EXPECT_TRUE(host.ends.empty());
    form.mnuExit_Click();
    EXPECT_EQ(host.ends, std::vector<int>{0});
}

TEST_F(Game, anUnexpectedFailureIsReportedAndEndsWithAnError) {
    class FailingRandom final : public Random {
    public:
        void seedFromClock() override {}
        double next() override { throw std::bad_alloc(); }
    } failing;
    writeDefault("Test\nOTTER\n");
    Form1 failingForm(window, host, failing);
    failingForm.Form_Load();
    EXPECT_EQ(host.messages, (Messages{{"Run-time error '7': Out of memory", "Scaffle!"}}));
    EXPECT_EQ(host.ends, std::vector<int>{1});
}

TEST_F(Game, aHugeWordCanBePlayedToAWin) {
    std::string word;
    for (int i = 0; i < 50'000; ++i) {
        word += "AB";
    }
    start("Huge\n" + word + "\n");
    click("A");
    EXPECT_TRUE(window.maskedWord.starts_with("A _ A _"));
    click("B");
    EXPECT_EQ(host.messages.back().title, "Winner!");
}

TEST_F(Game, aWordTooLongToShowIsCutToAStretchAndItsLength) {
    // A two-byte capital first, so that the cut counts characters, not bytes.
    start("Long\n\xC3\x89" + std::string(199, 'B') + "\nOTTER\n");
    click("B");
    const std::string stretch = "_" + std::string(99, 'B');
    EXPECT_EQ(window.calls.back(), "tell " + maskedWordText(stretch) + "\u2026 (200 letters)");
    click("CDEFGHIJK");
    EXPECT_EQ(host.messages.back().text, "You lost! The word was \xC3\x89" + std::string(99, 'B') +
                                             "\u2026 (200 letters). Try again next time!");
    // The label, centred, shows the middle of the word.
    EXPECT_EQ(label1Text(std::string(60, '_') + std::string(100, 'A') + std::string(60, '_')),
              maskedWordText(std::string(100, 'A')));
}

}  // namespace
