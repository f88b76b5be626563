#include "Icon.h"

#include <QIconEngine>
#include <QPainter>
#include <algorithm>
#include <vector>

#include "Design.h"
#include "Pixels.h"

namespace {

// The figure spans x 360 to 2160 and y 120 to 2640 twips.
constexpr double kFigureCentreX = 1260;
constexpr double kFigureCentreY = 1380;
constexpr double kFigureHeight = 2520;
constexpr double kFigureShare = 0.74;  // of the icon's height
constexpr std::ptrdiff_t kHead = 3;    // piece 4
const QColor kHeadRing(140, 70, 0);    // 7.0:1 on white

struct Stroke {
    QPointF start;
    QPointF end;
    QColor colour;
    double width;
};

struct Key {
    QRectF rect;
    double radius;
    double edge;
};

Key keyFor(double size) {
    const double edge = size / 16;
    return {QRectF(edge / 2, edge / 2, size - edge, size - edge), size / 8, edge};
}

// Every piece of the gallows at the icon's scale. Thin pens are widened, so that the figure
// still reads at 16 pixels, and the head is ringed in brown: its peach alone hardly shows on
// white, and without the ring it runs into the rope at the small sizes.
std::vector<Stroke> strokesFor(double size) {
    const double scale = kFigureShare * size / kFigureHeight;
    const auto place = [&](design::Point point) {
        return QPointF(size / 2 + (point.x - kFigureCentreX) * scale,
                       size / 2 + (point.y - kFigureCentreY) * scale);
    };
    const double thinnest = size / 14;
    std::vector<Stroke> strokes;
    for (const design::Piece& piece : design::kHang) {
        const double width = std::max(piece.penWidth * design::kTwipsPerPixel * scale, thinnest);
        strokes.push_back(
            {place(piece.start), place(piece.end), pixels::from(piece.colour), width});
    }
    // The head last, over the rope, the body and the arms.
    const Stroke head = strokes[kHead];
    strokes.erase(strokes.begin() + kHead);
    strokes.push_back({head.start, head.end, kHeadRing, head.width + 2 * std::max(1.0, size / 40)});
    strokes.push_back(head);
    return strokes;
}

QString svgColour(const QColor& colour) {
    return colour.name(QColor::HexRgb);
}

// Draws each size only when it is asked for: a window is shown before its icon is needed,
// and on a desktop that shows no window icons it never is.
class GameIconEngine final : public QIconEngine {
public:
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode, QIcon::State) override {
        painter->drawImage(rect, iconImage(std::min(rect.width(), rect.height())));
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode, QIcon::State) override {
        return QPixmap::fromImage(iconImage(std::min(size.width(), size.height())));
    }
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override {
        QList<QSize> sizes;
        for (const int size : kIconSizes) {
            sizes.append(QSize(size, size));
        }
        return sizes;
    }
    QIconEngine* clone() const override { return new GameIconEngine; }
};

}  // namespace

QImage iconImage(int size) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const Key key = keyFor(size);
    painter.setPen(QPen(pixels::from(design::kLetterFace), key.edge));
    painter.setBrush(pixels::from(design::kBackground));
    painter.drawRoundedRect(key.rect, key.radius, key.radius);
    for (const Stroke& stroke : strokesFor(size)) {
        painter.setPen(QPen(stroke.colour, stroke.width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(stroke.start, stroke.end);
    }
    return image;
}

QIcon gameIcon() {
    return QIcon(new GameIconEngine);
}

QString iconSvg() {
    constexpr double size = 256;
    const Key key = keyFor(size);
    QString svg = QString(
                      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                      "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                      "viewBox=\"0 0 %1 %1\">\n"
                      "  <rect x=\"%2\" y=\"%2\" width=\"%3\" height=\"%3\" rx=\"%4\" "
                      "fill=\"%5\" stroke=\"%6\" stroke-width=\"%7\"/>\n"
                      "  <g stroke-linecap=\"round\">\n")
                      .arg(size)
                      .arg(key.rect.x())
                      .arg(key.rect.width())
                      .arg(key.radius)
                      .arg(svgColour(pixels::from(design::kBackground)))
                      .arg(svgColour(pixels::from(design::kLetterFace)))
                      .arg(key.edge);
    for (const Stroke& stroke : strokesFor(size)) {
        svg += QString(
                   "    <line x1=\"%1\" y1=\"%2\" x2=\"%3\" y2=\"%4\" stroke=\"%5\" "
                   "stroke-width=\"%6\"/>\n")
                   .arg(stroke.start.x(), 0, 'f', 2)
                   .arg(stroke.start.y(), 0, 'f', 2)
                   .arg(stroke.end.x(), 0, 'f', 2)
                   .arg(stroke.end.y(), 0, 'f', 2)
                   .arg(svgColour(stroke.colour))
                   .arg(stroke.width, 0, 'f', 2);
    }
    return svg + "  </g>\n</svg>\n";
}
