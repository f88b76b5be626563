// The window as Qt shows it against the game's own drawing, at the scale QT_SCALE_FACTOR sets.
#include <QtTest>

#include "Drawing.h"
#include "GameFixture.h"
#include "QtCanvas.h"
#include "RecordingCanvas.h"

class SamePixelsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void theBoardIsTheGamesDrawingPixelForPixel();
};

void SamePixelsTest::theBoardIsTheGamesDrawingPixelForPixel() {
    GameFixture game;
    game.writeDefault("Test\nQQQQ\n");
    game.start();
    game.form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&game.form()));
    game.click('A');
    QTest::mousePress(game.form().letter('C' - 'A'), Qt::LeftButton);
    const QImage shown = game.form().centralWidget()->grab().toImage();
    const WindowState window = game.shown();
    QTest::mouseRelease(game.form().letter('C' - 'A'), Qt::LeftButton);

    // The same state drawn apart from the window: its fills exactly, and with Qt's glyphs, which
    // tell where the letters' own pixels are.
    const Scale scale(shown.devicePixelRatio());
    const PixelRect client = drawing::clientBox(scale);
    QCOMPARE(shown.size(), QSize(client.width, client.height));
    RecordingCanvas fills(client.width, client.height);
    drawing::drawBoard(fills, scale, window, client);
    QImage glyphs(shown.size(), QImage::Format_RGB32);
    glyphs.setDevicePixelRatio(scale.factor());
    {
        QtCanvas canvas(glyphs);
        drawing::drawBoard(canvas, scale, window, client);
    }
    const auto rgb = [](const QColor& colour) {
        return QString("%1,%2,%3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
    };
    int differ = 0;
    for (int y = 0; y < shown.height(); ++y) {
        for (int x = 0; x < shown.width(); ++x) {
            const QString drawn = QString::fromStdString(fills.at(x, y));
            const bool glyph = rgb(glyphs.pixelColor(x, y)) != drawn;
            differ += !glyph && rgb(shown.pixelColor(x, y)) != drawn;
        }
    }
    QCOMPARE(differ, 0);
}

QTEST_MAIN(SamePixelsTest)
#include "SamePixelsTest.moc"
