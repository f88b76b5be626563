#include "Form1.h"

#include <QButtonGroup>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>

#include "BuiltInWords.h"
#include "Gallows.h"
#include "Guarded.h"
#include "Guess.h"
#include "Icon.h"
#include "LetterButton.h"
#include "Pixels.h"
#include "Startoff.h"
#include "Utf8.h"
#include "WordFileError.h"

namespace {

constexpr const char* kDefaultWordFile = "C:/scaffle.scf";
constexpr const char* kWordFileFilter =
    "Scaffle files (*.scf)|*.scf|Text files (*.txt)|*.txt|All files|*.*";
constexpr const char* kProblemTitle = "Scaffle!";

QLabel* designLabel(QWidget* parent, const char* name, design::Rect rect, const design::Font& font,
                    const char* text) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    label->setObjectName(name);
    label->setGeometry(pixels::from(rect));
    label->setFont(pixels::from(font));
    label->setAlignment(Qt::AlignCenter);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

Form1::Form1(GameState& state, Host& host, Random& random, std::function<void()> reload)
    : state_(state), host_(host), random_(random), reload_(std::move(reload)) {
    setWindowIcon(gameIcon());
    buildDesign();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void Form1::buildDesign() {
    // Replacing the central widget and the menu bar deletes the old ones with every
    // control in them, the letters made at load among them.
    auto* client = new QWidget;
    client->setFixedSize(pixels::from(design::kClientWidth), pixels::from(design::kClientHeight));
    QPalette white = client->palette();
    white.setColor(QPalette::Window, pixels::from(design::kBackground));
    client->setPalette(white);
    client->setAutoFillBackground(true);

    Hang = new Gallows(client);
    Hang->setObjectName("Hang");

    Label1 =
        designLabel(client, "Label1", design::kLabel1, design::kLabel1Font, design::kLabel1Text);
    QPalette pink = Label1->palette();
    pink.setColor(QPalette::Window, pixels::from(design::kLabel1Background));
    Label1->setPalette(pink);
    Label1->setAutoFillBackground(true);
    // A screen reader reads the labels' own texts; these say what the texts are.
    Label1->setAccessibleDescription("The word to guess");
    WinTotal = designLabel(client, "WinTotal", design::kWinTotal, design::kWinTotalFont,
                           design::kWinTotalText);
    WinTotal->setAccessibleDescription("Words guessed so far");

    Letter = new QButtonGroup(client);
    auto* designedLetter = new LetterButton(client);
    designedLetter->setText("A");
    Letter->addButton(designedLetter, 0);
    connect(Letter, &QButtonGroup::idClicked, this,
            [this](int letterIndex) { handle([&] { Letter_Click(letterIndex); }); });

    setCentralWidget(client);
    // Shown at once: left to Qt, a reload would paint the window once without them.
    client->show();
    buildMenu();
}

void Form1::buildMenu() {
    auto* bar = new QMenuBar(this);
    QMenu* mnuFile = bar->addMenu("File");
    mnuFile->setObjectName("mnuFile");
    const auto addCommand = [&](const char* name, const char* caption, QKeyCombination shortcut,
                                void (Form1::*handler)()) {
        QAction* action = mnuFile->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this,
                [this, handler] { handle([&] { (this->*handler)(); }); });
    };
    addCommand("mnuOH", "Open Scaffle Word File", Qt::CTRL | Qt::Key_O, &Form1::mnuOH_Click);
    addCommand("mnuAbout", "About Scaffle!", Qt::CTRL | Qt::Key_A, &Form1::mnuAbout_Click);
    addCommand("mnuExit", "Exit", Qt::CTRL | Qt::Key_X, &Form1::mnuExit_Click);
    setMenuBar(bar);
    bar->show();
}

void Form1::handle(const std::function<void()>& handler) {
    if (!reloading_) {
        runGuarded(host_, handler);
    }
}

void Form1::Form_Load() {
    random_.seedFromClock();
    buildKeyboard();
    if (state_.wordFilePath.empty()) {
        state_.wordFilePath = kDefaultWordFile;
    }
    try {
        startRoundFrom(state_.wordFilePath);
        reportedAtLoad_.clear();
    } catch (const WordFileError& error) {
        // A fresh install has no word file yet, and a file that stays bad is told of once.
        const bool freshInstall =
            error.path() == kDefaultWordFile && error.refusal() == Refusal::DoesNotExist;
        if (!freshInstall && error.what() != reportedAtLoad_) {
            reportedAtLoad_ = error.what();
            host_.message(error.what(), kProblemTitle);
        }
        startRound(state_, *this, random_, builtInWords());
    }
    letter(0)->setFocus();
}

void Form1::Reload() {
    // Painted once, when the new round stands.
    setUpdatesEnabled(false);
    buildDesign();
    Form_Load();
    reloading_ = false;
    setUpdatesEnabled(true);
}

void Form1::startRoundFrom(const std::string& path) {
    startoff(state_, *this, random_, path);
    clearBoard();
}

void Form1::clearBoard() {
    for (int index = 0; index < design::kLetterCount; ++index) {
        letter(index)->show();
    }
    for (int piece = 1; piece <= design::kPiecesShownByMisses; ++piece) {
        Hang->hidePiece(piece);
    }
}

void Form1::buildKeyboard() {
    const int step = design::kLetter0.width;
    for (const design::KeyboardRow& row : design::kKeyboard) {
        for (int j = 0; j < row.count; ++j) {
            const int index = row.firstIndex + j;
            if (index > 0) {
                auto* button = new LetterButton(centralWidget());
                button->hide();
                Letter->addButton(button, index);
            }
            letter(index)->move(pixels::from(row.left + step * j), pixels::from(row.top));
        }
    }
    for (int index = 0; index < design::kLetterCount; ++index) {
        const QString caption(QChar('A' + index));
        letter(index)->setText(caption);
        letter(index)->setAccessibleName(caption);
        letter(index)->show();
    }
}

void Form1::Letter_Click(int letterIndex) {
    switch (guessLetter(state_, *this, letterIndex)) {
        case Outcome::Continue:
            break;
        case Outcome::Lost:
            host_.message("You lost! The word was " + encodeUtf8(state_.secretWord) +
                              ". Try again next time!",
                          "Try Again!");
            host_.end(0);
            break;
        case Outcome::Won:
            host_.message("You won! Wow!", "Winner!");
            countWin(state_);
            reloading_ = true;
            reload_();
            break;
    }
}

void Form1::mnuOH_Click() {
    const std::optional<std::string> path = host_.chooseWordFile(kWordFileFilter);
    if (!path) {
        return;
    }
    try {
        startRoundFrom(*path);
    } catch (const WordFileError& error) {
        host_.message(error.what(), kProblemTitle);
    }
}

void Form1::mnuAbout_Click() {
    host_.message(
        "Scaffle! was written by the Scaffle developers for everyone who "
        "likes a word game.",
        "About Scaffle!");
}

void Form1::mnuExit_Click() {
    host_.end(0);
}

QAbstractButton* Form1::letter(int letterIndex) const {
    return Letter->button(letterIndex);
}

void Form1::setCaption(const std::string& caption) {
    // Qt reads "[*]" in a title as the place of a modified-document mark, and "[*][*]" as
    // the three characters themselves.
    setWindowTitle(QString::fromStdString(caption).replace("[*]", "[*][*]"));
}

void Form1::setMaskedWord(const std::string& maskedWord) {
    Label1->setText(QString::fromStdString(maskedWord));
}

void Form1::setWinsText(const std::string& winsText) {
    WinTotal->setText(QString::fromStdString(winsText));
}

void Form1::hideLetter(int letterIndex) {
    letter(letterIndex)->hide();
}

void Form1::showPiece(int piece) {
    Hang->showPiece(piece);
}
