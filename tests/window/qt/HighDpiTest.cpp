// The window at twice the scale, as on a high-dpi screen: run with QT_SCALE_FACTOR=2.
#include <QtTest>

#include "GameFixture.h"

class HighDpiTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theWindowIsDrawnAtTwiceTheScaleAndAsSharp();
};

void HighDpiTest::theWindowIsDrawnAtTwiceTheScaleAndAsSharp() {
    GameFixture game;
    game.writeDefault("Test\nQQQQ\n");
    game.start();
    game.click('A');
    game.click('B');
    const QImage client = game.form().centralWidget()->grab().toImage();
    QCOMPARE(client.devicePixelRatio(), 2.0);
    QCOMPARE(client.size(), QSize(622, 440));

    const QColor yellow(255, 255, 0), orange(255, 128, 0), white(255, 255, 255);
    // Button Z: its lit corner, its face, and its shaded corner, all at the scale.
    QCOMPARE(client.pixelColor(2 * 248, 2 * 75), white);
    QCOMPARE(client.pixelColor(2 * 248 + 6, 2 * 75 + 6), yellow);
    QCOMPARE(client.pixelColor(2 * 248 + 49, 2 * 75 + 49), QColor(0, 0, 0));
    QCOMPARE(client.pixelColor(20, 2 * 186), QColor(255, 192, 255));

    // The 3-pixel beam at y = 8 is 6 device pixels thick, with clean edges: a pen drawn at
    // the scale, not a picture enlarged.
    for (int y = 13; y <= 18; ++y) {
        QCOMPARE(client.pixelColor(2 * 76, y), orange);
    }
    QCOMPARE(client.pixelColor(2 * 76, 12), white);
    QCOMPARE(client.pixelColor(2 * 76, 19), white);
    // The 5-pixel post at x = 104 is 10 device pixels wide.
    for (int x = 203; x <= 212; ++x) {
        QCOMPARE(client.pixelColor(x, 2 * 72), orange);
    }
    QCOMPARE(client.pixelColor(202, 2 * 72), white);
    QCOMPARE(client.pixelColor(213, 2 * 72), white);
}

QTEST_MAIN(HighDpiTest)
#include "HighDpiTest.moc"
