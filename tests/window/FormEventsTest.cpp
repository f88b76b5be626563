#include "FormEventsTest.h"

#include <QPointer>
#include <new>

#include "GameFixture.h"

namespace {

using Message = FakeHost::Message;
using Messages = std::vector<Message>;
using Pieces = std::vector<int>;

const char* const kFilter = "Scaffle files (*.scf)|*.scf|Text files (*.txt)|*.txt|All files|*.*";

// The controls of the round that was won, gone once the reload has run.
QPointer<QWidget> controls(GameFixture& game) {
    return game.form().centralWidget();
}

void waitForReload(QPointer<QWidget> old) {
    QTRY_VERIFY_WITH_TIMEOUT(old.isNull(), 5000);
}

class FailingRandom final : public Random {
public:
    void seedFromClock() override {}
    float next() override { throw std::bad_alloc(); }
};

}  // namespace

void FormEventsTest::aWinIsReportedThenReloadsWithTheTallyRaised() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    game.state().winsTally = 2;
    game.form().move(40, 30);
    const QPoint place = game.form().pos();

    const QWindow* window = game.form().windowHandle();
    for (const char letter : std::string("TZOE")) {
        game.click(letter);
    }
    QPointer<QWidget> old = controls(game);
    QCOMPARE(game.shownPieces(), (Pieces{1, 10, 11, 12}));
    game.click('R');
    QCOMPARE(game.host.messages, (Messages{{"You won! Wow!", "Winner!"}}));
    QCOMPARE(game.labelText("Label1"), "O T T E R");
    QCOMPARE(game.state().winsTally, 3);
    // The finished round takes no more clicks: a miss there would count a second win.
    game.click('Q');
    QCOMPARE(game.host.messages.size(), 1U);
    QCOMPARE(game.state().missesLeft, 8);

    waitForReload(old);
    QCOMPARE(game.form().windowHandle(), window);
    QCOMPARE(game.labelText("WinTotal"), "Wins: 3");
    QCOMPARE(game.labelText("Label1"), "_ _ _ _ _");
    QCOMPARE(game.visibleLetters(), 26);
    QCOMPARE(game.shownPieces(), (Pieces{10, 11, 12}));
    QCOMPARE(game.state().missesLeft, 9);
    QCOMPARE(game.form().pos(), place);
    QCOMPARE(game.random.seeds, 2);
    QVERIFY(game.host.ends.empty());
}

void FormEventsTest::aLossReportsTheWordThenEnds() {
    GameFixture game;
    game.writeDefault("Test\nZEBRA\n");
    game.start();
    for (const char letter : std::string("ACDFGHIJK")) {
        game.click(letter);
    }
    QVERIFY(game.host.ends.empty());
    game.click('L');
    QCOMPARE(game.host.messages,
             (Messages{{"You lost! The word was ZEBRA. Try again next time!", "Try Again!"}}));
    QCOMPARE(game.host.ends, std::vector<int>{0});
    QCOMPARE(game.shownPieces().size(), 12U);
    // The masked word is not rebuilt by the losing miss.
    QCOMPARE(game.labelText("Label1"), "_ _ _ _ A");
}

void FormEventsTest::piecesAppearOnePerMiss() {
    GameFixture game;
    game.writeDefault("Test\nQUIZ\n");
    game.start();
    Pieces expected{10, 11, 12};
    const std::string misses = "ABCDEFGH";
    for (std::size_t k = 0; k < misses.size(); ++k) {
        game.click(misses[k]);
        expected.insert(expected.begin() + int(k), int(k) + 1);
        QCOMPARE(game.shownPieces(), expected);
        QVERIFY(!game.form().letter(misses[k] - 'A')->isVisible());
    }
    game.click('Q');
    QCOMPARE(game.shownPieces(), expected);
    QCOMPARE(game.labelText("Label1"), "Q _ _ _");
}

void FormEventsTest::shortcutsRunTheFileCommandsAndLettersDoNothing() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    Form1& form = game.form();
    form.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&form));

    QTest::keyClick(&form, Qt::Key_T);
    QTest::keyClick(&form, Qt::Key_O, Qt::ShiftModifier);
    QCOMPARE(game.visibleLetters(), 26);
    QCOMPARE(game.labelText("Label1"), "_ _ _ _ _");

    // Space activates the letter that has the focus, as on any button.
    form.letter('T' - 'A')->setFocus();
    QTest::keyClick(form.letter('T' - 'A'), Qt::Key_Space);
    QCOMPARE(game.labelText("Label1"), "_ T T _ _");

    QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(game.host.messages.size(), 1U);
    QCOMPARE(game.host.messages[0].title, "About Scaffle!");

    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    QCOMPARE(game.host.filters, std::vector<std::string>{kFilter});

    QVERIFY(game.host.ends.empty());
    QTest::keyClick(&form, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(game.host.ends, std::vector<int>{0});
}

void FormEventsTest::openingAWordFileMidRoundStartsAFreshRound() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    game.state().winsTally = 4;
    for (const char letter : std::string("TAB")) {
        game.click(letter);
    }
    game.host.answers.push_back(game.folder.write("birds.scf", "Birds\nWREN\n"));
    game.form().findChild<QAction*>("mnuOH")->trigger();

    QCOMPARE(game.form().windowTitle(), "Scaffle! Category: Birds");
    QCOMPARE(game.labelText("Label1"), "_ _ _ _");
    QCOMPARE(game.labelText("WinTotal"), "Wins: 4");
    QCOMPARE(game.state().missesLeft, 9);
    QCOMPARE(game.visibleLetters(), 26);
    QCOMPARE(game.shownPieces(), (Pieces{10, 11, 12}));
    QVERIFY(game.host.messages.empty());
}

void FormEventsTest::aWinAfterOpeningKeepsTheOpenedFile() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    const std::string birds = game.folder.write("birds.scf", "Birds\nWREN\n");
    game.host.answers.push_back(birds);
    game.form().findChild<QAction*>("mnuOH")->trigger();

    QPointer<QWidget> old = controls(game);
    for (const char letter : std::string("WREN")) {
        game.click(letter);
    }
    waitForReload(old);
    QCOMPARE(game.form().windowTitle(), "Scaffle! Category: Birds");
    QCOMPARE(game.state().wordFilePath, birds);
    QCOMPARE(game.labelText("WinTotal"), "Wins: 1");
}

void FormEventsTest::cancellingTheOpenDialogChangesNothing() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    game.click('T');
    game.click('Z');
    game.form().findChild<QAction*>("mnuOH")->trigger();

    QCOMPARE(game.host.filters.size(), 1U);
    QCOMPARE(game.labelText("Label1"), "_ T T _ _");
    QCOMPARE(game.state().missesLeft, 8);
    QCOMPARE(game.visibleLetters(), 24);
    QCOMPARE(game.shownPieces(), (Pieces{1, 10, 11, 12}));
    QVERIFY(game.host.messages.empty());
}

void FormEventsTest::aFileThatCannotGiveARoundLeavesTheRoundAsItWas() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    game.click('T');
    game.click('Z');
    const std::string path = game.state().wordFilePath;
    const std::string empty = game.folder.write("empty.scf", "");
    const std::string noWords = game.folder.write("nowords.scf", "Birds\n\n");
    game.host.answers = {empty, noWords, game.folder.path().string()};

    for (int i = 0; i < 3; ++i) {
        game.form().findChild<QAction*>("mnuOH")->trigger();
    }
    QCOMPARE(
        game.host.messages,
        (Messages{{"The word file " + empty + " cannot be used: it is empty.", "Scaffle!"},
                  {"The word file " + noWords + " cannot be used: it holds a category but no word.",
                   "Scaffle!"},
                  {"The word file " + game.folder.path().string() +
                       " cannot be used: it is a folder, not a file.",
                   "Scaffle!"}}));
    QCOMPARE(game.form().windowTitle(), "Scaffle! Category: Test");
    QCOMPARE(game.labelText("Label1"), "_ T T _ _");
    QCOMPARE(game.state().missesLeft, 8);
    QCOMPARE(game.state().wordFilePath, path);
    QCOMPARE(game.visibleLetters(), 24);
    QCOMPARE(game.shownPieces(), (Pieces{1, 10, 11, 12}));
    QVERIFY(game.host.ends.empty());
}

void FormEventsTest::aMissingDefaultFileStartsTheBuiltInListSilently() {
    GameFixture game;
    game.start();
    QCOMPARE(game.form().windowTitle(), "Scaffle! Category: Animals");
    QVERIFY(game.host.messages.empty());
    QVERIFY(game.state().wordList.count() >= 150);
}

void FormEventsTest::everyLoadRereadsTheFileAndTellsOfABadOneOnce() {
    GameFixture game;
    game.writeDefault("");
    game.start();
    // The default is looked for in the current folder, which the box names.
    const Messages emptyOnce{{"The word file " + (game.folder.path() / "C:/scaffle.scf").string() +
                                  " cannot be used: it is empty.",
                              "Scaffle!"}};
    QCOMPARE(game.host.messages, emptyOnce);
    QCOMPARE(game.form().windowTitle(), "Scaffle! Category: Animals");

    const auto win = [&game](const char* letters) {
        QPointer<QWidget> old = controls(game);
        for (const char* letter = letters; *letter != '\0'; ++letter) {
            game.click(*letter);
        }
        waitForReload(old);
    };
    win("ARDVK");                             // AARDVARK, the first animal
    QCOMPARE(game.host.messages.size(), 2U);  // the win, and the file not told of again
    QCOMPARE(game.form().windowTitle(), "Scaffle! Category: Animals");

    game.writeDefault("Test\nOTTER\n");
    win("ARDVK");
    QCOMPARE(game.form().windowTitle(), "Scaffle! Category: Test");
    QCOMPARE(game.state().wordFilePath, "C:/scaffle.scf");
}

void FormEventsTest::aCaptionIsShownExactlyAsTheCategoryHoldsIt() {
    GameFixture game;
    game.writeDefault("Notes [*] and [*][*]\nOTTER\n");
    game.start();
    QCOMPARE(game.form().windowHandle()->title(), "Scaffle! Category: Notes [*] and [*][*]");
}

void FormEventsTest::anUnexpectedFailureIsReportedAndEndsWithAnError() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    FailingRandom random;
    game.start(random);
    QCOMPARE(game.host.messages, (Messages{{"Run-time error '7': Out of memory", "Scaffle!"}}));
    QCOMPARE(game.host.ends, std::vector<int>{1});
}
