#include "FormDesignTest.h"

#include <QAccessible>
#include <QApplication>
#include <QFontInfo>
#include <QMenuBar>
#include <algorithm>
#include <cmath>

#include "GameFixture.h"
#include "QtLook.h"

namespace {

QColor pixelAt(QWidget& widget, QPoint point) {
    return widget.grab().toImage().pixelColor(point);
}

// The contrast ratio of two colours, as the Web Content Accessibility Guidelines reckon it.
double contrast(const QColor& one, const QColor& other) {
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double channel) {
            return channel <= 0.03928 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
               0.0722 * linear(colour.blueF());
    };
    const double first = luminance(one);
    const double second = luminance(other);
    return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
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

    QCOMPARE(form.centralWidget()->size(), QSize(311, 220));
    QCOMPARE(form.minimumSize(), form.maximumSize());
    QCOMPARE(form.findChild<QLabel*>("Label1")->geometry(), QRect(8, 184, 297, 33));
    QCOMPARE(form.findChild<QLabel*>("WinTotal")->geometry(), QRect(152, 144, 137, 25));
    QCOMPARE(pixelAt(*form.centralWidget(), {5, 150}), QColor(255, 255, 255));
    QCOMPARE(form.focusWidget(), form.letter(0));
}

void FormDesignTest::fontsFallBackToTheirMetricSubstitutes() {
    // Not the narrowed Arial that Windows stands in with: Qt draws a face at its own width.
    const QFontInfo letter(qtlook::font(design::kLetterFont, 18));
    QCOMPARE(letter.family(), "Liberation Serif");
    QVERIFY(!letter.bold());
    const QFontInfo word(qtlook::font(design::kLabel1Font, 21));
    QCOMPARE(word.family(), "Liberation Sans Narrow");
    QVERIFY(word.bold());
    QCOMPARE(QFontInfo(qtlook::font(design::kWinTotalFont, 18)).family(), "Liberation Sans");
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

void FormDesignTest::labelsKeepTheirInkUnderADarkColourScheme() {
    const QPalette before = QApplication::palette();
    QPalette dark = before;
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        dark.setColor(role, QColor(240, 240, 240));
    }
    dark.setColor(QPalette::Window, QColor(40, 40, 40));
    QApplication::setPalette(dark);
    GameFixture game;
    game.writeDefault("Test\nOTTER\n");
    game.start();
    const QImage client = game.form().centralWidget()->grab().toImage();
    QApplication::setPalette(before);

    for (const char* name : {"Label1", "WinTotal"}) {
        const QRect label = game.form().findChild<QLabel*>(name)->geometry();
        const QColor background = client.pixelColor(label.topLeft());
        // The ink is the pixel that stands out most from the background.
        double ink = 1;
        for (int y = label.top(); y <= label.bottom(); ++y) {
            for (int x = label.left(); x <= label.right(); ++x) {
                ink = std::max(ink, contrast(client.pixelColor(x, y), background));
            }
        }
        QVERIFY2(ink >= 4.5, qPrintable(QString("%1: %2:1").arg(name).arg(ink)));
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
    QCOMPARE(tree.find("blank, blank, blank, blank, blank")->second,
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
