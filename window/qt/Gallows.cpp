#include "Gallows.h"

#include <QAccessibleWidget>
#include <QPainter>
#include <algorithm>

#include "GameState.h"
#include "Pixels.h"

namespace {

// A screen reader hears the drawing as a picture, with its description.
QAccessibleInterface* accessibleGallows(const QString& className, QObject* object) {
    if (className == "Gallows" && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

void paintPieces(QPainter& painter, const std::array<bool, design::kHang.size()>& shown) {
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < design::kHang.size(); ++i) {
        if (!shown[i]) {
            continue;
        }
        const design::Piece& piece = design::kHang[i];
        painter.setPen(
            QPen(pixels::from(piece.colour), piece.penWidth, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(pixels::from(piece.start), pixels::from(piece.end));
    }
}

}  // namespace

Gallows::Gallows(QWidget* parent) : QWidget(parent) {
    static const bool accessible = (QAccessible::installFactory(accessibleGallows), true);
    Q_UNUSED(accessible);
    setAccessibleName("Gallows");
    setGeometry(0, 0, pixels::from(design::kClientWidth), pixels::from(design::kClientHeight));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    for (int piece = kMissesPerRound + 1; piece <= int(design::kHang.size()); ++piece) {
        shown_.at(piece - 1) = true;
    }
    describe();
}

void Gallows::showPiece(int piece) {
    shown_.at(piece - 1) = true;
    describe();
    update();
}

void Gallows::hidePiece(int piece) {
    shown_.at(piece - 1) = false;
    describe();
    update();
}

void Gallows::describe() {
    const auto misses = std::count(shown_.begin(), shown_.begin() + kMissesPerRound, true);
    setAccessibleDescription(QString("%1 of %2 pieces shown").arg(misses).arg(kMissesPerRound));
}

void Gallows::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintPieces(painter, shown_);
}
