#include "QtForm1.h"

#include <QApplication>
#include <QButtonGroup>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

#include "Gallows.h"
#include "Icon.h"
#include "LetterButton.h"
#include "Pixels.h"

namespace {

QLabel* designLabel(QWidget* parent, const char* name, design::Rect rect, const design::Font& font,
                    const char* text, design::Rgb background) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(name);
    // The ink is fixed with the background, as the design fixes both: under a dark colour
    // scheme the theme's light text would vanish on the white or pink.
    QPalette colours = label->palette();
    colours.setColor(QPalette::Window, pixels::from(background));
    colours.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(colours);
    label->setAutoFillBackground(true);
    label->setGeometry(pixels::from(rect));
    label->setFont(pixels::from(font));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

QtForm1::QtForm1(Host& host, Random& random) : form_(*this, host, random) {
    setWindowIcon(gameIcon());
    rebuild();
    buildMenu();
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
    client->setFixedSize(pixels::from(design::kClientWidth), pixels::from(design::kClientHeight));
    QPalette white = client->palette();
    white.setColor(QPalette::Window, pixels::from(design::kBackground));
    client->setPalette(white);
    client->setAutoFillBackground(true);

    Hang = new Gallows(client);
    Hang->setObjectName("Hang");

    Label1 = designLabel(client, "Label1", design::kLabel1, design::kLabel1Font,
                         design::kLabel1Text, design::kLabel1Background);
    // A screen reader reads the labels' own texts; these say what the texts are.
    Label1->setAccessibleDescription("The word to guess");
    WinTotal = designLabel(client, "WinTotal", design::kWinTotal, design::kWinTotalFont,
                           design::kWinTotalText, design::kBackground);
    WinTotal->setAccessibleDescription("Words guessed so far");

    Letter = new QButtonGroup(client);
    auto* designedLetter = new LetterButton(client);
    designedLetter->setText("A");
    Letter->addButton(designedLetter, 0);
    connect(Letter, &QButtonGroup::idClicked, this,
            [this](int letterIndex) { form_.Letter_Click(letterIndex); });

    setCentralWidget(client);
    // Shown at once: left to Qt, a reload would paint the window once without them.
    client->show();
}

void QtForm1::buildMenu() {
    QMenu* mnuFile = menuBar()->addMenu("File");
    mnuFile->setObjectName("mnuFile");
    const auto addCommand = [&](const char* name, const char* caption, QKeyCombination shortcut,
                                void (Form1::*handler)()) {
        QAction* action = mnuFile->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this, [this, handler] { (form_.*handler)(); });
    };
    addCommand("mnuOH", "Open Scaffle Word File", Qt::CTRL | Qt::Key_O, &Form1::mnuOH_Click);
    addCommand("mnuAbout", "About Scaffle!", Qt::CTRL | Qt::Key_A, &Form1::mnuAbout_Click);
    addCommand("mnuExit", "Exit", Qt::CTRL | Qt::Key_X, &Form1::mnuExit_Click);
}

void QtForm1::buildKeyboard() {
    for (int index = 0; index < design::kLetterCount; ++index) {
        if (index > 0) {
            auto* button = new LetterButton(centralWidget());
            button->hide();  // until the whole keyboard stands
            Letter->addButton(button, index);
        }
        const design::Point place = design::kLetterPlaces[static_cast<std::size_t>(index)];
        letter(index)->move(pixels::from(place.x), pixels::from(place.y));
    }
    for (int index = 0; index < design::kLetterCount; ++index) {
        const QString caption(QChar('A' + index));
        letter(index)->setText(caption);
        letter(index)->setAccessibleName(caption);
        letter(index)->show();
    }
}

QAbstractButton* QtForm1::letter(int letterIndex) const {
    return Letter->button(letterIndex);
}

void QtForm1::setCaption(const std::string& caption) {
    // Qt reads "[*]" in a title as the place of a modified-document mark, and "[*][*]" as
    // the three characters themselves.
    setWindowTitle(QString::fromStdString(caption).replace("[*]", "[*][*]"));
}

void QtForm1::setMaskedWord(const std::string& maskedWord) {
    const QString text = QString::fromStdString(maskedWord);
    // A miss sets the same text again; only a new one is news.
    if (text != Label1->text()) {
        Label1->setText(text);
        tell(text);
    }
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
    tell(Hang->accessibleDescription());
}

void QtForm1::tell(const QString& news) {
    // A screen reader speaks the description of the control with the focus when it changes:
    // the letter the focus went on to after the guess carries the news until the next.
    QWidget* focus = QApplication::focusWidget();
    if (toldBy_ != nullptr && toldBy_ != focus) {
        toldBy_->setAccessibleDescription(QString());
    }
    toldBy_ = focus;
    if (toldBy_ != nullptr) {
        toldBy_->setAccessibleDescription(news);
    }
}

void QtForm1::hidePiece(int piece) {
    Hang->hidePiece(piece);
}

void QtForm1::focusLetter(int letterIndex) {
    letter(letterIndex)->setFocus();
}
