#include "Gallows.h"

#include <QAccessibleWidget>

#include "GameState.h"
#include "QtCanvas.h"
#include "QtLook.h"
#include "RoundTexts.h"

namespace {

// A screen reader hears the drawing as a picture, with its description.
QAccessibleInterface* accessibleGallows(const QString& className, QObject* object) {
    if (className == "Gallows" && object->isWidgetType()) {
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Graphic);
    }
    return nullptr;
}

}  // namespace

Gallows::Gallows(QWidget* parent) : QWidget(parent) {
    static const bool accessible = (QAccessible::installFactory(accessibleGallows), true);
    Q_UNUSED(accessible);
    setAccessibleName("Gallows");
    // No bigger than the drawing, so that what changes beside it never repaints it.
    setGeometry(qtlook::rect(drawing::gallowsBounds(qtlook::kWidgetScale)));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    describe();
}

void Gallows::showPiece(int piece) {
    shown_.set(static_cast<std::size_t>(piece - 1));
    describe();
    update();
}

void Gallows::hidePiece(int piece) {
    shown_.reset(static_cast<std::size_t>(piece - 1));
    describe();
    update();
}

void Gallows::describe() {
    const std::size_t misses = (shown_ & ~drawing::designPieces()).count();
    setAccessibleDescription(QString::fromStdString(piecesShownText(static_cast<int>(misses))));
}

void Gallows::paintEvent(QPaintEvent*) {
    QtCanvas canvas(*this, pos());
    drawing::drawGallows(canvas, canvas.scale(), shown_);
}
