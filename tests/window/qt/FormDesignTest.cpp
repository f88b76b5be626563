#include "FormDesignTest.h"

#include <QAccessible>
#include <QFontInfo>
#include <QMenuBar>

#include "GameFixture.h"

namespace {

QColor pixelAt(QWidget& widget, QPoint point) {
    return widget.grab().toImage().pixelColor(point);
}

}  // namespace

void FormDesignTest::keyboardStandsInFourRowsAtItsDesignedPlaces_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QPoint>("twips");
    // The first and last button of every row.
    QTest::newRow("A opens row 1") << 0 << QPoint(1665, 0);
    QTest::newRow("H ends row 1 at the right edge") << 7 << QPoint(4290, 0);
    QTest::newRow("I opens row 2") << 8 << QPoint(1850, 375);
    QTest::newRow("O ends row 2") << 14 << QPoint(4100, 375);
    QTest::newRow("P opens row 3") << 15 << QPoint(2040, 750);
    QTest::newRow("U ends row 3") << 20 << QPoint(3915, 750);
    QTest::newRow("V opens row 4") << 21 << QPoint(2225, 1125);
    QTest::newRow("Z ends row 4") << 25 << QPoint(3725, 1125);
}

void FormDesignTest::keyboardStandsInFourRowsAtItsDesignedPlaces() {
    QFETCH(int, index);
    QFETCH(QPoint, twips);
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();

    const QAbstractButton* button = game.form().letter(index);
    const QString letter(QChar('A' + index));
    QCOMPARE(button->text(), letter);
    QCOMPARE(button->accessibleName(), letter);
    QVERIFY(button->isVisible());
    // 15 twips a pixel, rounded to the nearest.
    QCOMPARE(button->geometry(), QRect(qRound(twips.x() / 15.0), twips.y() / 15, 25, 25));
    QCOMPARE(game.visibleLetters(), 26);
}

void FormDesignTest::aLoadShowsTheFreshRoundOnAFixedWhiteWindow() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    QtForm1& form = game.form();

    QCOMPARE(form.windowTitle(), "Scaffle! Category: Test");
    QCOMPARE(game.labelText("Label1"), "_ _ _ _ _");
    QCOMPARE(game.labelText("WinTotal"), "Wins: 0");
    QCOMPARE(game.shownPieces(), (std::vector<int>{10, 11, 12}));

    QCOMPARE(form.centralWidget()->size(), QSize(311, 220));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.findChild<QLabel*>("Label1")->geometry(), QRect(8, 184, 297, 33));
    QCOMPARE(form.findChild<QLabel*>("WinTotal")->geometry(), QRect(152, 144, 137, 25));
    QCOMPARE(pixelAt(*form.centralWidget(), {5, 150}), QColor(255, 255, 255));
}

void FormDesignTest::fontsFallBackToTheirMetricSubstitutes() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();

    const QFontInfo letter(game.form().letter(25)->font());
    QCOMPARE(letter.family(), "Liberation Serif");
    QCOMPARE(letter.pointSizeF(), 13.5);
    QVERIFY(!letter.bold());

    const QFontInfo word(game.form().findChild<QLabel*>("Label1")->font());
    QCOMPARE(word.family(), "Liberation Sans Narrow");
    QCOMPARE(word.pointSizeF(), 15.75);
    QVERIFY(word.bold());

    const QFontInfo wins(game.form().findChild<QLabel*>("WinTotal")->font());
    QCOMPARE(wins.family(), "Liberation Sans");
    QCOMPARE(wins.pointSizeF(), 13.5);
}

void FormDesignTest::menuHoldsThreeCommandsWithTheirShortcuts() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();

    const QList<QAction*> menus = game.form().menuBar()->actions();
    QCOMPARE(menus.size(), 1);
    QCOMPARE(menus[0]->text(), "File");
    const QList<QAction*> commands = menus[0]->menu()->actions();
    QCOMPARE(commands.size(), 3);
    QCOMPARE(commands[0]->text(), "Open Scaffle Word File");
    QCOMPARE(commands[0]->shortcut(), QKeySequence("Ctrl+O"));
    QCOMPARE(commands[1]->text(), "About Scaffle!");
    QCOMPARE(commands[1]->shortcut(), QKeySequence("Ctrl+A"));
    QCOMPARE(commands[2]->text(), "Exit");
    QCOMPARE(commands[2]->shortcut(), QKeySequence("Ctrl+X"));
}

void FormDesignTest::buttonFacesAndLabelsHaveTheirDesignedColours() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    const QImage client = game.form().centralWidget()->grab().toImage();

    // Corners and edges of a face, where a gradient or a border would show first.
    for (const QPoint point : {QPoint(111, 0), QPoint(135, 24), QPoint(310, 0), QPoint(148, 99)}) {
        QCOMPARE(client.pixelColor(point), QColor(255, 255, 0));
    }
    QCOMPARE(client.pixelColor(10, 186), QColor(255, 192, 255));
    // Just past the keyboard's left edge and below its last row: the window's own white.
    QCOMPARE(client.pixelColor(110, 10), QColor(255, 255, 255));
    QCOMPARE(client.pixelColor(200, 101), QColor(255, 255, 255));
    // The ground line of the base, in orange.
    QCOMPARE(client.pixelColor(90, 176), QColor(255, 128, 0));
}

void FormDesignTest::eachMissPaintsItsPieceInItsColour() {
    GameFixture game;
    game.writeDefault("Test\nQQQQQQQQ\n");
    game.start();

    struct Expected {
        QPoint point;
        QColor colour;
    };
    // A point on each piece, away from where others cross it.
    const Expected pieces[] = {
        {{104, 72}, {255, 128, 0}},  {{76, 8}, {255, 128, 0}}, {{48, 16}, {255, 128, 0}},
        {{48, 30}, {255, 192, 128}}, {{48, 60}, {255, 0, 0}},  {{60, 112}, {0, 0, 255}},
        {{36, 112}, {0, 0, 255}},    {{60, 68}, {0, 255, 0}},  {{36, 68}, {0, 255, 0}},
    };
    const QString misses = "ABCDEFGHI";
    for (int k = 0; k < 9; ++k) {
        const Expected& piece = pieces[k];
        QCOMPARE(pixelAt(*game.form().centralWidget(), piece.point), QColor(255, 255, 255));
        game.click(misses[k].toLatin1());
        QCOMPARE(pixelAt(*game.form().centralWidget(), piece.point), piece.colour);
    }
}

namespace {

// Every control of the window as a screen reader finds it: name, role and description.
std::multimap<QString, std::pair<QAccessible::Role, QString>> accessibleTree(QWidget& window) {
    std::multimap<QString, std::pair<QAccessible::Role, QString>> found;
    std::vector<QAccessibleInterface*> pending{QAccessible::queryAccessibleInterface(&window)};
    while (!pending.empty()) {
        QAccessibleInterface* node = pending.back();
        pending.pop_back();
        found.insert(
            {node->text(QAccessible::Name), {node->role(), node->text(QAccessible::Description)}});
        for (int i = 0; i < node->childCount(); ++i) {
            pending.push_back(node->child(i));
        }
    }
    return found;
}

}  // namespace

void FormDesignTest::everyControlHasANameAScreenReaderCanSay() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    game.click('Z');
    const auto tree = accessibleTree(game.form());

    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        const auto button = tree.find(QString(QChar(letter)));
        QVERIFY2(button != tree.end(), &letter);
        QCOMPARE(button->second.first, QAccessible::Button);
    }
    // The labels are read by their texts, which change as the game goes.
    QCOMPARE(tree.find("_ _ _ _ _")->second,
             std::make_pair(QAccessible::StaticText, QString("The word to guess")));
    QCOMPARE(tree.find("Wins: 0")->second.first, QAccessible::StaticText);
    const auto gallows = tree.find("Gallows");
    QVERIFY(gallows != tree.end());
    QCOMPARE(gallows->second, std::make_pair(QAccessible::Graphic, QString("1 of 9 pieces shown")));
}

void FormDesignTest::focusRunsThroughTheLettersAToZ() {
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    QString order;
    QWidget* widget = game.form().letter(0);
    do {
        if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            order += button->text();
        }
        widget = widget->nextInFocusChain();
    } while (widget != game.form().letter(0));
    QCOMPARE(order, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
}
