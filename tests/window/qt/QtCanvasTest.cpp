#include "QtCanvasTest.h"

#include <QImage>
#include <QtTest>

#include "Drawing.h"
#include "QtCanvas.h"
#include "RecordingCanvas.h"

void QtCanvasTest::putsDownTheDrawingsGallowsAndKeyEdgesPixelForPixel() {
    for (const double scale : {1.0, 1.5, 2.0}) {
        QImage image(qRound(311 * scale), qRound(220 * scale), QImage::Format_RGB32);
        image.setDevicePixelRatio(scale);
        image.fill(Qt::white);
        RecordingCanvas expected(image.width(), image.height());
        const PixelRect key = drawing::letterBox(Scale(scale), 8, true);
        {
            QtCanvas canvas(image);
            QCOMPARE(canvas.scale().factor(), scale);
            drawing::drawGallows(canvas, canvas.scale(), drawing::PiecesShown().set());
            drawing::drawKey(canvas, canvas.scale(), key, 'I', {true, true});
        }
        drawing::drawGallows(expected, Scale(scale), drawing::PiecesShown().set());
        drawing::drawKey(expected, Scale(scale), key, 'I', {true, true});
        // Everything but the letter, which lies inside the key's focus mark.
        const int ring = 4 * Scale(scale).edge();
        int differ = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const bool letter = x >= key.left + ring && x < key.right() - ring &&
                                    y >= key.top + ring && y < key.bottom() - ring;
                const QColor got = image.pixelColor(x, y);
                const QString shown =
                    QString("%1,%2,%3").arg(got.red()).arg(got.green()).arg(got.blue());
                differ += !letter && shown.toStdString() != expected.at(x, y);
            }
        }
        QCOMPARE(differ, 0);
    }
}
