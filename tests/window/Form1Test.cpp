#include "Form1.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "ChosenRandom.h"
#include "Drawing.h"
#include "RoundTexts.h"
#include "TempFolder.h"
#include "WordShown.h"

namespace {

const char* const kFilter = "Scaffle files (*.scf)|*.scf|Text files (*.txt)|*.txt|All files|*.*";

// Every character as wide as half the font's height.
int halfEmWide(std::string_view text, const design::Font& /*font*/, int pixels) {
    return static_cast<int>(text.size()) * pixels / 2;
}

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
    void open(const WordFile& file) {
        form.mnuOH_Click();
        form.File_Choose(file);
    }
    // The box up now, closed as the player closes it.
    Box closeBox() {
        const Box shown = form.window().box.value_or(Box{"no box", ""});
        form.Box_Close();
        return shown;
    }
    std::string shownPath(const std::string& name) const { return (folder.path() / name).string(); }
    const WindowState& window() const { return form.window(); }

    TempFolder folder;
    ChosenRandom random;
    Form1 form{random, halfEmWide};
};

TEST_F(Game, aLoadShowsAFreshRoundOnTheWholeKeyboardWithTheFocusOnA) {
    start("Test\nOTTER\n");
    EXPECT_EQ(window().caption, "Scaffle! Category: Test");
    EXPECT_EQ(window().maskedWord, "_ _ _ _ _");
    EXPECT_EQ(window().winsText, "Wins: 0");
    EXPECT_TRUE(window().lettersShown.all());
    EXPECT_EQ(window().pieces, drawing::designPieces());
    EXPECT_EQ(window().focus, 0);
    EXPECT_EQ(window().news.text, "5 letters. Wins: 0");
    EXPECT_FALSE(window().box);
    EXPECT_EQ(form.state().wordFile.name(), "C:/scaffle.scf");
    EXPECT_EQ(random.seeds, 1);
}

TEST_F(Game, aWinShowsTheWordUnderItsBoxThenReloadsWhenTheBoxIsClosed) {
    start("Test\nOTTER\n");
    click("TZOE");
    click("R");
    // The box takes the focus as the word is told: the word is heard with the box.
    EXPECT_EQ(window().box, (Box{"Winner!", "You won! Wow!", "OTTER."}));
    EXPECT_EQ(window().box->spokenText(), "OTTER. You won! Wow!");
    EXPECT_EQ(window().maskedWord, "O T T E R");
    EXPECT_EQ(window().winsText, "Wins: 0");
    // While the box is up the finished round takes nothing: a miss would count a second win.
    click("Q");
    form.mnuExit_Click();
    EXPECT_EQ(form.state().missesLeft, 8);
    EXPECT_FALSE(window().ended);

    closeBox();
    EXPECT_EQ(window().winsText, "Wins: 1");
    EXPECT_EQ(window().maskedWord, "_ _ _ _ _");
    EXPECT_TRUE(window().lettersShown.all());
    EXPECT_EQ(window().pieces, drawing::designPieces());
    EXPECT_EQ(window().focus, 0);
    EXPECT_EQ(random.seeds, 2);
    EXPECT_FALSE(window().box);
}

TEST_F(Game, aLossTellsTheWordAsReadThenEndsWhenTheBoxIsClosed) {
    start(
        "Test\nZ\xC3\x89"
        "BRA\nOTTER\n");
    click("CDFGHIJKL");
    EXPECT_EQ(window().pieces.count(), 12U);
    EXPECT_FALSE(window().ended);
    EXPECT_EQ(closeBox(), (Box{"Try Again!",
                               "You lost! The word was Z\xC3\x89"
                               "BRA. Try again next time!"}));
    EXPECT_TRUE(window().ended);
    EXPECT_EQ(window().exitStatus, 0);
}

TEST_F(Game, aGuessIsToldOnceAndALetterGuessedCannotCountAgain) {
    // A screen reader can press a hidden button: it must not count a miss twice.
    start("Test\nOTTER\n");
    click("T");
    EXPECT_EQ(window().news.text, "blank, T, T, blank, blank");
    EXPECT_EQ(window().piecesSpoken, "0 of 9 pieces shown");
    click("TZ");
    const News miss = window().news;
    EXPECT_EQ(miss.text, "1 of 9 pieces shown");
    EXPECT_EQ(window().piecesSpoken, miss.text);
    click("Z");
    EXPECT_EQ(window().news, miss);
    EXPECT_EQ(form.state().missesLeft, 8);
}

TEST_F(Game, theFocusMovesPastGuessedLettersOnlyWithNoModifierHeldAndSystemKeysStayTheSystems) {
    start("Test\nOTTER\n");
    click("B");
    EXPECT_TRUE(form.Letter_KeyDown(0, LetterMove::Right, kNoModifier));
    EXPECT_EQ(window().focus, 2);
    EXPECT_TRUE(form.Letter_KeyDown(2, LetterMove::Right, kShift));
    for (const Modifiers held : {kControl, kAlt, kMeta, kShift | kControl}) {
        EXPECT_FALSE(form.Letter_KeyDown(2, LetterMove::Right, held));
    }
    EXPECT_EQ(window().focus, 2);
    // Its letter guessed, the focus goes on to the next one shown, or back at the end.
    click("C");
    EXPECT_EQ(window().focus, 3);
    form.Letter_GotFocus(25);
    click("Z");
    EXPECT_EQ(window().focus, 24);
}

TEST_F(Game, theFocusMarkShowsOnlyWhileTheWindowIsActiveNothingIsUpOverItAndNoFingerTouchedIt) {
    start("Test\nOTTER\n");
    EXPECT_EQ(window().focusShown(), -1);
    form.Form_Activate();
    EXPECT_EQ(window().focusShown(), 0);
    form.mnuAbout_Click();
    EXPECT_EQ(window().box->title, "About Scaffle!");
    EXPECT_EQ(window().focusShown(), -1);
    closeBox();
    EXPECT_EQ(window().focusShown(), 0);
    form.Form_Deactivate();
    form.Form_Activate();
    EXPECT_EQ(window().focusShown(), 0);
    // A touch hides it until a key is pressed, and a win's new round does not bring it back.
    form.Form_FocusCues(false);
    click("TZOER");
    closeBox();
    EXPECT_EQ(window().focusShown(), -1);
    form.Form_FocusCues(true);
    EXPECT_EQ(window().focusShown(), 0);
}

TEST_F(Game, aKeyLooksPressedWhileHeldAndNoLongerOnceGuessed) {
    start("Test\nOTTER\n");
    form.Letter_MouseDown(1);
    EXPECT_EQ(window().pressed, 1);
    form.Letter_MouseUp(1);
    EXPECT_EQ(window().pressed, -1);
    form.Letter_MouseDown(2);
    click("C");
    EXPECT_EQ(window().pressed, -1);
}

TEST_F(Game, openingAWordFileMidRoundStartsAFreshRoundAndClearsTheBoard) {
    start("Test\nOTTER\n");
    click("TAB");
    form.mnuOH_Click();
    EXPECT_TRUE(window().choosingFile);
    std::string filter;
    for (const FileType& type : wordFileFilter()) {
        filter.append(filter.empty() ? "" : "|")
            .append(type.description)
            .append("|")
            .append(type.pattern);
    }
    EXPECT_EQ(filter, kFilter);
    const std::string birds = folder.write("birds.scf", "Birds\nWREN\n");
    form.File_Choose(WordFile::atPath(birds));
    EXPECT_FALSE(window().choosingFile);
    EXPECT_EQ(window().caption, "Scaffle! Category: Birds");
    EXPECT_EQ(window().news.text, "Scaffle! Category: Birds. 4 letters. Wins: 0");
    EXPECT_EQ(window().maskedWord, "_ _ _ _");
    EXPECT_TRUE(window().lettersShown.all());
    EXPECT_EQ(window().pieces, drawing::designPieces());
    EXPECT_EQ(form.state().missesLeft, 9);

    // The opened file is the one a win goes on with; letters guessed before count no more.
    click("AWREN");
    closeBox();
    EXPECT_EQ(window().caption, "Scaffle! Category: Birds");
    EXPECT_EQ(form.state().wordFile.name(), birds);
    EXPECT_EQ(window().winsText, "Wins: 1");
}

TEST_F(Game, aCancelledOrRefusedOpenLeavesTheRoundAsItWas) {
    start("Test\nOTTER\n");
    click("TZ");
    const WindowState before = window();
    form.mnuOH_Click();
    form.File_Cancel();
    EXPECT_EQ(window(), before);
    open(folder.write("empty.scf", ""));
    EXPECT_EQ(closeBox(), (Box{"Scaffle!", "The word file " + shownPath("empty.scf") +
                                               " cannot be used: it is empty."}));
    open(folder.path().string());
    EXPECT_EQ(closeBox(), (Box{"Scaffle!", "The word file " + folder.path().string() +
                                               " cannot be used: it is a folder, not a file."}));
    EXPECT_EQ(window(), before);
    EXPECT_EQ(form.state().wordFile.name(), "C:/scaffle.scf");
    EXPECT_EQ(form.state().missesLeft, 8);
}

TEST_F(Game, aFileGivenAsBytesPlaysAsFromDiskAndIsNamedAsThePlayerChoseIt) {
    // A browser has no paths: the page hands over the bytes of the chosen file and its name.
    start("Test\nOTTER\n");
    open(WordFile::ofBytes("birds.txt", "Birds\r\nWREN\r\n"));
    click("WREN");
    closeBox();
    EXPECT_EQ(window().caption, "Scaffle! Category: Birds");
    EXPECT_EQ(window().winsText, "Wins: 1");

    open(WordFile::ofBytes("notes.txt", "Notes\n"));
    EXPECT_EQ(closeBox().text,
              "The word file notes.txt cannot be used: it holds a category but no word.");
    EXPECT_EQ(window().caption, "Scaffle! Category: Birds");
}

TEST_F(Game, aMissingDefaultFilePlaysTheBuiltInListSilently) {
    form.Form_Load();
    EXPECT_EQ(window().caption, "Scaffle! Category: Animals");
    EXPECT_FALSE(window().box);
    EXPECT_GE(form.state().wordList.count(), 150U);
}

TEST_F(Game, everyLoadRereadsTheFileAndTellsOfABadOneOnceOverTheNewRound) {
    start("");
    // The default is looked for in the current folder, which the box names.
    const Box empty{"Scaffle!", "The word file " + shownPath("C:/scaffle.scf") +
                                    " cannot be used: it is empty. The built-in animals are "
                                    "played instead."};
    EXPECT_EQ(window().caption, "Scaffle! Category: Animals");
    EXPECT_EQ(closeBox(), empty);

    const auto win = [this] {
        click("ARDVK");  // AARDVARK, the first animal, or OTTER's letters with misses
        click("OTE");
        EXPECT_EQ(closeBox().title, "Winner!");
    };
    win();
    EXPECT_FALSE(window().box);  // the file is not told of again
    writeDefault("Test\nOTTER\n");
    win();
    EXPECT_EQ(window().caption, "Scaffle! Category: Test");

    // Bad again at a reload: the box comes over the new round, not the finished one.
    writeDefault("");
    win();
    EXPECT_EQ(window().box, empty);
    EXPECT_EQ(window().caption, "Scaffle! Category: Animals");
    EXPECT_EQ(window().winsText, "Wins: 3");
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
    EXPECT_EQ(closeBox().title, "About Scaffle!");
    EXPECT_FALSE(window().ended);
    form.mnuExit_Click();
    EXPECT_TRUE(window().ended);
    EXPECT_EQ(window().exitStatus, 0);
}

TEST_F(Game, anUnexpectedFailureIsReportedAndEndsWithAnError) {
    class FailingRandom final : public Random {
    public:
        void seedFromClock() override {}
        double next() override { throw std::bad_alloc(); }
    } failing;
    writeDefault("Test\nOTTER\n");
    Form1 failingForm(failing, halfEmWide);
    failingForm.Form_Load();
    EXPECT_EQ(failingForm.window().box, (Box{"Scaffle!", "Run-time error '7': Out of memory"}));
    failingForm.Box_Close();
    EXPECT_TRUE(failingForm.window().ended);
    EXPECT_EQ(failingForm.window().exitStatus, 1);
}

TEST_F(Game, aHugeWordCanBePlayedToAWin) {
    std::string word;
    for (int i = 0; i < 50'000; ++i) {
        word += "AB";
    }
    start("Huge\n" + word + "\n");
    click("A");
    EXPECT_TRUE(window().maskedWord.starts_with("A _ A _"));
    click("B");
    EXPECT_EQ(window().box->title, "Winner!");
}

TEST_F(Game, aWordTooLongToShowIsCutToAStretchAndItsLengthInASmallerFont) {
    // A two-byte capital first, so that the cut counts characters, not bytes.
    start(std::string("Long\n\xC3\x89").append(199, 'B') + "\nOTTER\n");
    click("B");
    std::string stretch = "blank";
    for (int slot = 1; slot < 100; ++slot) {
        stretch += ", B";
    }
    EXPECT_EQ(window().news.text, stretch + "\u2026 (200 letters)");
    EXPECT_EQ(window().maskedWordSpoken, window().news.text);
    // Half the design's 21 pixels is as small as it goes.
    EXPECT_EQ(window().maskedWordPixels, 11);
    click("CDEFGHIJK");
    EXPECT_EQ(window().box->text, "You lost! The word was \xC3\x89" + std::string(99, 'B') +
                                      "\u2026 (200 letters). Try again next time!");
    // The label, centred, shows the middle of the word.
    EXPECT_EQ(label1Text(std::string(60, '_') + std::string(100, 'A') + std::string(60, '_')),
              maskedWordText(std::string(100, 'A')));
}

}  // namespace
