#include "QtForm1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QDirIterator>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QtMath>
#include <array>
#include <map>
#include <optional>
#include <utility>

#include "Gallows.h"
#include "LetterButton.h"
#include "Menu.h"
#include "QtLook.h"
#include "WordShown.h"

namespace {

QLabel* designLabel(QWidget* parent, const char* name, const drawing::LabelLook& look,
                    const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(name);
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, qtlook::colour(look.background));
    colours.setColor(QPalette::WindowText, qtlook::colour(look.ink));
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    label->setGeometry(qtlook::rect(look.box));
    label->setFont(qtlook::font(look.font, look.fontPixels));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

// The icon's pictures, drawn at build time in every size a desktop asks for, each read only
// when it is needed.
QIcon makeGameIcon() {
    QIcon icon;
    QDirIterator pictures(":/icons", {"scaffle.png"}, QDir::Files, QDirIterator::Subdirectories);
    while (pictures.hasNext()) {
        const QString path = pictures.next();
        const int size = path.section('/', -3, -3).section('x', 0, 0).toInt();
        icon.addFile(path, QSize(size, size));
    }
    return icon;
}

std::optional<LetterMove> letterMove(int key, Qt::KeyboardModifiers modifiers) {
    static constexpr std::pair<int, LetterMove> kMoves[] = {
        {Qt::Key_Left, LetterMove::Left},  {Qt::Key_Right, LetterMove::Right},
        {Qt::Key_Up, LetterMove::Up},      {Qt::Key_Down, LetterMove::Down},
        {Qt::Key_Home, LetterMove::First}, {Qt::Key_End, LetterMove::Last},
    };
    // The keypad's arrows come with their own modifier.
    if ((modifiers & ~Qt::KeypadModifier) == Qt::NoModifier) {
        for (const auto& [moveKey, move] : kMoves) {
            if (key == moveKey) {
                return move;
            }
        }
    }
    return std::nullopt;
}

// The width of Label1's text at a size. A masked word is spaces, underscores and capitals, set
// apart by the spaces, so its width is the sum of their advances, each looked up once a size: a
// guess does not wait on the text being laid out again at every size tried.
int maskedWordWidth(const QString& text, int pixels) {
    static std::map<int, std::pair<QFontMetricsF, std::array<qreal, 128>>> sizes;
    auto found = sizes.find(pixels);
    if (found == sizes.end()) {
        const QFontMetricsF metrics(qtlook::font(design::kLabel1Font, pixels));
        std::array<qreal, 128> advances{};
        for (char16_t code = 0; code < advances.size(); ++code) {
            advances[code] = metrics.horizontalAdvance(QChar(code));
        }
        found = sizes.emplace(pixels, std::pair(metrics, advances)).first;
    }
    const auto& [metrics, advances] = found->second;
    qreal width = 0;
    for (const QChar character : text) {
        const char16_t code = character.unicode();
        width += code < advances.size() ? advances[code] : metrics.horizontalAdvance(character);
    }
    return qCeil(width);
}

}  // namespace

QtForm1::QtForm1(Host& host, Random& random) : form_(*this, host, random) {
    static const QIcon icon = makeGameIcon();
    setWindowIcon(icon);
    rebuild();
    buildMenu();
    // Once the events of the focus change are over: the control left may be going away.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old) {
        if (old != nullptr && old == toldBy_) {
            QMetaObject::invokeMethod(
                this,
                [this, left = toldBy_] {
                    if (left != nullptr && left == toldBy_) {
                        forget();
                    }
                },
                Qt::QueuedConnection);
        }
    });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void QtForm1::start() {
    form_.Form_Load();
    show();
}

void QtForm1::rebuild() {
    // Replacing the central widget deletes the old one with every control in it, the letters
    // made at load among them.
    auto* client = new QWidget;
    const Scale& scale = qtlook::kWidgetScale;
    client->setFixedSize(scale.pixels(design::kClientWidth), scale.pixels(design::kClientHeight));
    QPalette white = client->palette();
    white.setColor(QPalette::Window, qtlook::colour(design::kBackground));
    client->setPalette(white);
    client->setAutoFillBackground(true);

    Hang = new Gallows(client);
    Hang->setObjectName("Hang");

    Label1 = designLabel(client, "Label1", drawing::label1Look(scale), design::kLabel1Text);
    // A screen reader reads the labels' own texts; these say what the texts are.
    Label1->setAccessibleDescription("The word to guess");
    WinTotal = designLabel(client, "WinTotal", drawing::winTotalLook(scale), design::kWinTotalText);
    WinTotal->setAccessibleDescription("Words guessed so far");

    Letter = new QButtonGroup(client);
    letters_ = {};
    addLetter(new LetterButton(client, 0), 0);
    connect(Letter, &QButtonGroup::idClicked, this,
            [this](int letterIndex) { form_.Letter_Click(letterIndex); });

    setCentralWidget(client);
    // Shown at once: left to Qt, a reload would paint the window once without them.
    client->show();
}

void QtForm1::buildMenu() {
    QMenu* mnuFile = menuBar()->addMenu(menu::kFileCaption);
    mnuFile->setObjectName("mnuFile");
    for (const menu::Command& command : menu::kFileCommands) {
        QAction* action = mnuFile->addAction(command.caption);
        action->setObjectName(command.name);
        action->setShortcut(Qt::CTRL | static_cast<Qt::Key>(command.ctrlKey));
        connect(action, &QAction::triggered, this,
                [this, click = command.click] { (form_.*click)(); });
    }
}

void QtForm1::buildKeyboard() {
    for (int index = 0; index < kLetterCount; ++index) {
        if (index > 0) {
            auto* button = new LetterButton(centralWidget(), index);
            button->hide();  // until the whole keyboard stands
            addLetter(button, index);
        }
        letter(index)->setGeometry(
            qtlook::rect(drawing::letterBox(qtlook::kWidgetScale, index, true)));
    }
    for (int index = 0; index < kLetterCount; ++index) {
        letter(index)->show();
    }
}

void QtForm1::addLetter(QAbstractButton* button, int letterIndex) {
    Letter->addButton(button, letterIndex);
    letters_[static_cast<std::size_t>(letterIndex)] = button;
    button->installEventFilter(this);
}

bool QtForm1::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const std::optional<LetterMove> move = letterMove(key->key(), key->modifiers());
    const int letterIndex = Letter->id(static_cast<QAbstractButton*>(watched));
    if (!move || letterIndex < 0) {
        return false;
    }
    form_.Letter_KeyDown(letterIndex, *move);
    return true;
}

QAbstractButton* QtForm1::letter(int letterIndex) const {
    return letters_[static_cast<std::size_t>(letterIndex)];
}

void QtForm1::setCaption(const std::string& caption) {
    // Qt reads "[*]" in a title as the place of a modified-document mark, and "[*][*]" as
    // the three characters themselves.
    setWindowTitle(QString::fromStdString(caption).replace("[*]", "[*][*]"));
}

void QtForm1::setMaskedWord(std::string_view slots) {
    const QString text = QString::fromStdString(label1Text(slots));
    // A miss sets the same text again: nothing to paint.
    if (text == Label1->text()) {
        return;
    }
    const int pixels = drawing::label1FontPixels(
        qtlook::kWidgetScale, [&](int size) { return maskedWordWidth(text, size); });
    if (pixels != Label1->font().pixelSize()) {
        Label1->setFont(qtlook::font(design::kLabel1Font, pixels));
    }
    Label1->setText(text);
    Label1->setAccessibleName(QString::fromStdString(maskedWordNews(slots)));
}

void QtForm1::setWinsText(const std::string& winsText) {
    WinTotal->setText(QString::fromStdString(winsText));
}

void QtForm1::hideLetter(int letterIndex) {
    // Hidden and disabled: nothing, not even a screen reader's action, can press it.
    letter(letterIndex)->hide();
    letter(letterIndex)->setEnabled(false);
}

void QtForm1::showLetter(int letterIndex) {
    letter(letterIndex)->setEnabled(true);
    letter(letterIndex)->show();
}

void QtForm1::showPiece(int piece) {
    Hang->showPiece(piece);
}

void QtForm1::tell(const std::string& news) {
    tell(QString::fromStdString(news));
}

void QtForm1::tell(const QString& news) {
    // A screen reader speaks the description of the control with the focus when it changes.
    // It stays only while the focus does: a letter left and come back to is read without it.
    QWidget* focus = focusWidget();
    if (toldBy_ != focus) {
        forget();
    }
    toldBy_ = focus;
    if (toldBy_ != nullptr) {
        toldBy_->setAccessibleDescription(news);
    }
}

void QtForm1::forget() {
    if (toldBy_ != nullptr) {
        toldBy_->setAccessibleDescription(QString());
        toldBy_ = nullptr;
    }
}

void QtForm1::hidePiece(int piece) {
    Hang->hidePiece(piece);
}

void QtForm1::focusLetter(int letterIndex) {
    letter(letterIndex)->setFocus();
}
