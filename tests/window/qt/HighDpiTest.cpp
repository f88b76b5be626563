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
    const QImage client = game.form().centralWidget()->grab().toImage();
    QCOMPARE(client.devicePixelRatio(), 2.0);
    QCOMPARE(client.size(), QSize(622, 440));

    // The drawing is made at the scale, not a picture enlarged: the 5-pixel post at x = 104
    // is 10 device pixels wide, Z's lit edge two deep.
    const QColor orange(255, 128, 0), white(255, 255, 255);
    for (int x = 203; x <= 212; ++x) {
        QCOMPARE(client.pixelColor(x, 144), orange);
    }
    QCOMPARE(client.pixelColor(202, 144), white);
    QCOMPARE(client.pixelColor(213, 144), white);
    QCOMPARE(client.pixelColor(497, 151), white);
    QCOMPARE(client.pixelColor(498, 152), QColor(255, 255, 191));
}

QTEST_MAIN(HighDpiTest)
#include "HighDpiTest.moc"
