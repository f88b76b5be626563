#include "Board.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPushButton>

#include "Drawing.h"
#include "QtCanvas.h"
#include "QtLook.h"

namespace {

// A control whose face is the board's.
template <typename Control>
class Unpainted final : public Control {
public:
    using Control::Control;

protected:
    void paintEvent(QPaintEvent*) override {}
};

QLabel* spokenLabel(QWidget* parent, const char* name, const PixelRect& box,
                    const char* description) {
    QLabel* label = new Unpainted<QLabel>(parent);
    label->setObjectName(name);
    label->setGeometry(qtlook::rect(box));
    label->setTextFormat(Qt::PlainText);
    // A screen reader reads the labels' own texts, then what the texts are.
    label->setAccessibleDescription(description);
    return label;
}

}  // namespace

Board::Board(QWidget* parent) : QWidget(parent) {
    const Scale& scale = qtlook::kWidgetScale;
    setFixedSize(qtlook::rect(drawing::clientBox(scale)).size());
    // The board paints every pixel of itself.
    setAttribute(Qt::WA_OpaquePaintEvent);

    // A label with a picture is a picture to a screen reader, which hears the drawing so, with
    // its description; the board paints the picture.
    Hang = new Unpainted<QLabel>(this);
    Hang->setObjectName("Hang");
    Hang->setPixmap(QPixmap(1, 1));
    Hang->setAccessibleName(kGallowsName);
    Hang->setGeometry(qtlook::rect(drawing::gallowsBounds(scale)));
    Hang->setAttribute(Qt::WA_TransparentForMouseEvents);
    Label1 = spokenLabel(this, "Label1", drawing::label1Box(scale), kLabel1Description);
    WinTotal = spokenLabel(this, "WinTotal", drawing::winTotalBox(scale), kWinTotalDescription);
    for (int index = 0; index < kLetterCount; ++index) {
        const QString caption(QChar('A' + index));
        QPushButton* key = new Unpainted<QPushButton>(caption, this);
        key->setObjectName("Letter" + QString::number(index));
        key->setAccessibleName(caption);
        key->setGeometry(qtlook::rect(drawing::letterBox(scale, index)));
        key->hide();
        letters_[static_cast<std::size_t>(index)] = key;
    }
}

void Board::show(const WindowState& now) {
    const double scale = devicePixelRatioF();
    for (const PixelRect& box : drawing::changedBoxes(Scale(scale), shown_, now)) {
        // Every widget pixel the device's pixels touch.
        update(QRectF(box.left / scale, box.top / scale, box.width / scale, box.height / scale)
                   .toAlignedRect());
    }
    for (int index = 0; index < kLetterCount; ++index) {
        // Hidden and disabled: nothing, not even a screen reader's action, can press it.
        const bool shown = now.lettersShown.test(static_cast<std::size_t>(index));
        if (shown != shown_.lettersShown.test(static_cast<std::size_t>(index))) {
            letter(index)->setEnabled(shown);
            letter(index)->setVisible(shown);
        }
    }
    if (now.maskedWordSpoken != shown_.maskedWordSpoken) {
        Label1->setText(QString::fromStdString(now.maskedWord));
        Label1->setAccessibleName(QString::fromStdString(now.maskedWordSpoken));
    }
    if (now.winsText != shown_.winsText) {
        WinTotal->setText(QString::fromStdString(now.winsText));
    }
    if (now.piecesSpoken != shown_.piecesSpoken) {
        Hang->setAccessibleDescription(QString::fromStdString(now.piecesSpoken));
    }
    shown_ = now;
}

void Board::paintEvent(QPaintEvent* event) {
    QtCanvas canvas(*this);
    const double scale = canvas.scale().factor();
    // Each part on its own: a guess changes a key and a label far apart.
    for (const QRect& dirty : event->region()) {
        // Every device pixel the widget's pixels touch.
        const QRectF widget(dirty);
        const QRect device =
            QRectF(widget.topLeft() * scale, widget.size() * scale).toAlignedRect();
        drawing::drawBoard(canvas, canvas.scale(), shown_,
                           {device.x(), device.y(), device.width(), device.height()});
    }
}
