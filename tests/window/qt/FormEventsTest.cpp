#include "FormEventsTest.h"

#include <QFileDialog>
#include <QLabel>
#include <QPointer>

#include "GameFixture.h"
#include "QtLook.h"

void FormEventsTest::aWinsNewRoundIsShownInTheSameWindowWithNothingTornDown() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    game.form().move(40, 30);
    const QPoint place = game.form().pos();
    const QWindow* window = game.form().windowHandle();
    const QPointer<QWidget> board = game.form().centralWidget();
    for (const char letter : std::string("TZOER")) {
        game.click(letter);
    }
    // The box takes the focus as the word is told: a screen reader hears the word in the box.
    QCOMPARE(game.form().findChild<QLabel*>("qt_msgbox_label")->accessibleName(),
             "OTTER. You won! Wow!");
    QCOMPARE(game.closeBox(), "Winner!");

    QVERIFY(board == game.form().centralWidget());
    QCOMPARE(game.form().windowHandle(), window);
    QCOMPARE(game.form().pos(), place);
    QCOMPARE(game.labelText("WinTotal"), "Wins: 1");
    QCOMPARE(game.labelText("Label1"), "_ _ _ _ _");
    QCOMPARE(game.visibleLetters(), 26);
    QCOMPARE(game.form().focusWidget(), game.form().letter(0));
}

void FormEventsTest::shortcutsRunTheFileCommandsArrowsMoveAndLettersDoNothing() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    QtForm1& form = game.form();
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
    // The arrows and Home move the focus by the game's rule, past the letter just guessed.
    QTest::keyClick(form.letter('S' - 'A'), Qt::Key_Right);
    QVERIFY(form.letter('U' - 'A')->hasFocus());
    QTest::keyClick(form.letter('U' - 'A'), Qt::Key_Down);
    QVERIFY(form.letter('Z' - 'A')->hasFocus());
    QTest::keyClick(form.letter('Z' - 'A'), Qt::Key_Home);
    QVERIFY(form.letter(0)->hasFocus());

    // Shift with an arrow is not the game's.
    QTest::keyClick(form.letter(0), Qt::Key_Right, Qt::ShiftModifier);
    QVERIFY(form.letter(0)->hasFocus());

    QTest::keyClick(&form, Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(game.closeBox(), "About Scaffle!");

    QTest::keyClick(&form, Qt::Key_O, Qt::ControlModifier);
    auto* chooser = form.findChild<QFileDialog*>();
    QVERIFY(chooser != nullptr);
    QCOMPARE(chooser->nameFilters().first(), "Scaffle files (*.scf)");
    chooser->reject();
    QVERIFY(!game.shown().choosingFile);

    QTest::keyClick(&form, Qt::Key_X, Qt::ControlModifier);
    QVERIFY(game.shown().ended);
}

void FormEventsTest::aCaptionIsShownExactlyAsTheCategoryHoldsIt() {
    GameFixture game;
    game.writeDefault("Notes [*] and [*][*]\nOTTER\n");
    game.start();
    QCOMPARE(game.form().windowHandle()->title(), "Scaffle! Category: Notes [*] and [*][*]");
}

void FormEventsTest::aLongWordIsShownWholeInASmallerSize() {
    GameFixture game;
    game.writeDefault("Long\nCOUNTERREVOLUTIONARY\n");
    game.start();
    QCOMPARE(game.shown().maskedWordPixels, 21);  // the underscores fit at the design's size
    for (const char letter : std::string_view("COUNTERVLIA")) {
        game.click(letter);
    }
    QCOMPARE(game.labelText("Label1"), "C O U N T E R R E V O L U T I O N A R _");
    const int pixels = game.shown().maskedWordPixels;
    QVERIFY(pixels < 21);
    const QFontMetrics metrics(qtlook::font(design::kLabel1Font, pixels));
    QVERIFY(metrics.horizontalAdvance(game.labelText("Label1")) <= 297);
}

void FormEventsTest::aHugeMaskedWordIsPainted() {
    GameFixture game;
    game.writeDefault("Huge\n" + std::string(100'000, 'A') + "\n");
    game.start();
    // The label holds no more than it can show, and names the word's length to a screen reader.
    QCOMPARE(game.labelText("Label1").size(), 199);
    auto* label = game.form().findChild<QLabel*>("Label1");
    QVERIFY(label->accessibleName().endsWith(" (100000 letters)"));
    // It paints what fits, at its smallest size: underscores darker than the pink across its
    // whole width.
    const QImage painted = game.form().centralWidget()->grab(label->geometry()).toImage();
    int inkedColumns = 0;
    for (int x = 0; x < painted.width(); ++x) {
        for (int y = 0; y < painted.height(); ++y) {
            if (painted.pixelColor(x, y).lightness() < 192) {
                ++inkedColumns;
                break;
            }
        }
    }
    QVERIFY2(inkedColumns > painted.width() / 3, qPrintable(QString::number(inkedColumns)));
}
