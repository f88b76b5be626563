#include "QtCanvasTest.h"

#include <QImage>
#include <QtTest>

#include "Drawing.h"
#include "QtCanvas.h"
#include "RecordingCanvas.h"

namespace {

QString rgb(const QColor& colour) {
    return QString("%1,%2,%3").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

// A white image of the client area's device pixels at the scale.
QImage clientImage(double scale) {
    QImage image(qRound(311 * scale), qRound(220 * scale), QImage::Format_RGB32);
    image.setDevicePixelRatio(scale);
    image.fill(Qt::white);
    return image;
}

}  // namespace

void QtCanvasTest::theGallowsIsTheDrawingsPixelForPixel_data() {
    QTest::addColumn<double>("scale");
    QTest::newRow("96 dpi") << 1.0;
    QTest::newRow("192 dpi") << 2.0;
}

void QtCanvasTest::theGallowsIsTheDrawingsPixelForPixel() {
    QFETCH(double, scale);
    QImage image = clientImage(scale);
    RecordingCanvas expected(image.width(), image.height());
    const auto pieces = drawing::PiecesShown().set();
    {
        QtCanvas canvas(image);
        QCOMPARE(canvas.scale().factor(), scale);
        drawing::drawGallows(canvas, canvas.scale(), pieces);
    }
    drawing::drawGallows(expected, Scale(scale), pieces);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            QCOMPARE(rgb(image.pixelColor(x, y)), QString::fromStdString(expected.at(x, y)));
        }
    }

    // Painted on a widget that stands at (10, 5) in the picture, from its own corner.
    QImage part(40 * scale, 40 * scale, QImage::Format_RGB32);
    part.setDevicePixelRatio(scale);
    part.fill(Qt::white);
    QtCanvas(part, {10, 5}).fill({int(10 * scale), int(5 * scale), 2, 3}, design::kRed);
    QCOMPARE(part.pixelColor(0, 0), QColor(Qt::red));
    QCOMPARE(part.pixelColor(1, 2), QColor(Qt::red));
    QCOMPARE(part.pixelColor(2, 0), QColor(Qt::white));
    QCOMPARE(part.pixelColor(0, 3), QColor(Qt::white));
}

void QtCanvasTest::aKeysEdgesAndFocusMarkAreTheDrawingsPixelForPixel() {
    for (const double scale : {1.0, 1.5, 2.0}) {
        QImage image = clientImage(scale);
        RecordingCanvas expected(image.width(), image.height());
        const PixelRect box = drawing::letterBox(Scale(scale), 8, true);
        {
            QtCanvas canvas(image);
            drawing::drawKey(canvas, canvas.scale(), box, 'I', {true, true});
        }
        drawing::drawKey(expected, Scale(scale), box, 'I', {true, true});
        // Everything but the letter, which lies inside the focus mark.
        const int ring = 4 * Scale(scale).edge();
        for (int y = box.top; y < box.bottom(); ++y) {
            for (int x = box.left; x < box.right(); ++x) {
                const bool inside = x >= box.left + ring && x < box.right() - ring &&
                                    y >= box.top + ring && y < box.bottom() - ring;
                if (!inside) {
                    QCOMPARE(rgb(image.pixelColor(x, y)),
                             QString::fromStdString(expected.at(x, y)));
                }
            }
        }
    }
}
