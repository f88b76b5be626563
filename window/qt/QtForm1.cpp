#include "QtForm1.h"

#include <QApplication>
#include <QDirIterator>
#include <QFileDialog>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QtMath>
#include <map>
#include <optional>
#include <utility>

#include "Board.h"
#include "Menu.h"
#include "QtLook.h"
#include "WordFileDialog.h"

namespace {

// Room for a title bar's own buttons (close, maximise, minimise) and margins.
constexpr int kTitleBarButtons = 120;

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

constexpr MoveKeys<int> kMoveKeys = {Qt::Key_Left, Qt::Key_Right, Qt::Key_Up,
                                     Qt::Key_Down, Qt::Key_Home,  Qt::Key_End};

// The keypad's own modifier is not one the player holds.
Modifiers modifiersOf(Qt::KeyboardModifiers held) {
    return (held.testFlag(Qt::ShiftModifier) ? kShift : 0) |
           (held.testFlag(Qt::ControlModifier) ? kControl : 0) |
           (held.testFlag(Qt::AltModifier) ? kAlt : 0) |
           (held.testFlag(Qt::MetaModifier) ? kMeta : 0);
}

// A line's width at a size. A masked word is spaces, underscores and capitals, so its width is
// the sum of their advances, each looked up once a size: a guess does not wait on the text being
// laid out again at every size tried.
int textWidth(std::string_view text, const design::Font& font, int pixels) {
    static std::map<std::pair<const design::Font*, int>, std::array<qreal, 128>> sizes;
    const auto [place, isNew] = sizes.try_emplace({&font, pixels});
    std::array<qreal, 128>& advances = place->second;
    const QFontMetricsF metrics(qtlook::font(font, pixels));
    for (char16_t code = 0; isNew && code < advances.size(); ++code) {
        advances[code] = metrics.horizontalAdvance(QChar(code));
    }
    qreal width = 0;
    for (const QChar character :
         QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()))) {
        const char16_t code = character.unicode();
        width += code < advances.size() ? advances[code] : metrics.horizontalAdvance(character);
    }
    return qCeil(width);
}

}  // namespace

QtForm1::QtForm1(Random& random) : form_(random, textWidth), board_(new Board(this)) {
    static const QIcon icon = makeGameIcon();
    setWindowIcon(icon);
    setCentralWidget(board_);
    buildMenu();
    for (int index = 0; index < kLetterCount; ++index) {
        QAbstractButton* key = letter(index);
        key->setProperty("letterIndex", index);
        key->installEventFilter(this);
        connect(key, &QAbstractButton::pressed, this,
                [this, index] { input([index](Form1& form) { form.Letter_MouseDown(index); }); });
        connect(key, &QAbstractButton::released, this,
                [this, index] { input([index](Form1& form) { form.Letter_MouseUp(index); }); });
        connect(key, &QAbstractButton::clicked, this,
                [this, index] { input([index](Form1& form) { form.Letter_Click(index); }); });
    }
    // Once the events of the focus change are over: news stays only while the focus does.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old) {
        if (old != nullptr && old == toldBy_) {
            QMetaObject::invokeMethod(
                this,
                [this, left = toldBy_] {
                    if (left != nullptr && left == toldBy_)
                        forget();
                },
                Qt::QueuedConnection);
        }
    });
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void QtForm1::start() {
    input([](Form1& form) { form.Form_Load(); });
    QMainWindow::show();
}

QAbstractButton* QtForm1::letter(int letterIndex) const {
    return board_->letter(letterIndex);
}

void QtForm1::buildMenu() {
    QMenu* mnuFile = menuBar()->addMenu(menu::kFileCaption);
    mnuFile->setObjectName("mnuFile");
    for (const menu::Command& command : menu::kFileCommands) {
        QAction* action = mnuFile->addAction(command.caption);
        action->setObjectName(command.name);
        action->setShortcut(Qt::CTRL | static_cast<Qt::Key>(command.ctrlKey));
        connect(action, &QAction::triggered, this, [this, click = command.click] {
            input([click](Form1& form) { (form.*click)(); });
        });
    }
}

bool QtForm1::eventFilter(QObject* watched, QEvent* event) {
    const int letterIndex = watched->property("letterIndex").toInt();
    if (event->type() == QEvent::FocusIn && !showing_) {
        input([letterIndex](Form1& form) { form.Letter_GotFocus(letterIndex); });
    } else if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const std::optional<LetterMove> move = letterMoveOf(key->key(), kMoveKeys);
        bool taken = false;
        if (move) {
            input([&](Form1& form) {
                taken = form.Letter_KeyDown(letterIndex, *move, modifiersOf(key->modifiers()));
            });
        }
        return taken;
    }
    return false;
}

void QtForm1::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange) {
        const bool active = isActiveWindow();
        input([active](Form1& form) { active ? form.Form_Activate() : form.Form_Deactivate(); });
    }
    QMainWindow::changeEvent(event);
}

void QtForm1::input(const std::function<void(Form1&)>& event) {
    event(form_);
    showState();
}

void QtForm1::showState() {
    // What showing sets off (a focus moved, a box closed) is the game's doing, not the
    // player's: it is shown in the same pass.
    if (showing_) {
        return;
    }
    showing_ = true;
    while (form_.window() != shown_) {
        const WindowState now = form_.window();
        if (now.caption != shown_.caption) {
            // Qt reads "[*]" in a title as the place of a modified-document mark, and "[*][*]"
            // as the three characters themselves.
            setWindowTitle(QString::fromStdString(now.caption).replace("[*]", "[*][*]"));
        }
        board_->show(now);
        if (now.focus >= 0 && focusWidget() != letter(now.focus)) {
            letter(now.focus)->setFocus();
        }
        if (now.news.number != shown_.news.number) {
            tell(QString::fromStdString(now.news.text));
        }
        if (now.box && box_ == nullptr) {
            box_ = new QMessageBox(QMessageBox::NoIcon, QString::fromStdString(now.box->title),
                                   QString::fromStdString(now.box->text), QMessageBox::Ok, this);
            box_->setAttribute(Qt::WA_DeleteOnClose);
            box_->setTextFormat(Qt::PlainText);
            // A screen reader reads the box's text by its label's name.
            if (auto* text = box_->findChild<QLabel*>("qt_msgbox_label")) {
                text->setAccessibleName(QString::fromStdString(now.box->spokenText()));
            }
            // A window manager shortens a title that is wider than its box ("W..." for
            // "Winner!"): the box is made wide enough for the whole title and the frame's
            // buttons.
            if (auto* grid = qobject_cast<QGridLayout*>(box_->layout())) {
                const int titleWidth =
                    QFontMetrics(QApplication::font()).horizontalAdvance(box_->windowTitle());
                grid->addItem(
                    new QSpacerItem(titleWidth + kTitleBarButtons, 0, QSizePolicy::Minimum),
                    grid->rowCount(), 0, 1, grid->columnCount());
            }
            connect(box_, &QDialog::finished, this,
                    [this] { input([](Form1& form) { form.Box_Close(); }); });
            box_->open();
        }
        if (now.choosingFile && chooser_ == nullptr) {
            chooser_ = wordFileDialog(this);
            connect(chooser_, &QFileDialog::fileSelected, this, [this](const QString& path) {
                const WordFile file = WordFile::atPath(QFile::encodeName(path).toStdString());
                input([&](Form1& form) { form.File_Choose(file); });
            });
            connect(chooser_, &QDialog::rejected, this,
                    [this] { input([](Form1& form) { form.File_Cancel(); }); });
            chooser_->open();
        }
        // A box or the dialog that the game has taken down goes from the screen too.
        if (!now.box && box_ != nullptr) {
            box_->disconnect(this);
            box_->close();
        }
        if (!now.choosingFile && chooser_ != nullptr) {
            chooser_->disconnect(this);
            chooser_->close();
        }
        if (now.ended) {
            QCoreApplication::exit(now.exitStatus);
        }
        shown_ = now;
    }
    showing_ = false;
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
