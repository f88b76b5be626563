#include "Form1.h"

#include <QLabel>
#include <QLayout>
#include <QMenuBar>

#include "BuiltInWords.h"
#include "Gallows.h"
#include "Game.h"
#include "Guarded.h"
#include "Guess.h"
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

Form1::Form1(Game& game) : game_(game) {
    auto* client = new QWidget(this);
    client->setFixedSize(pixels::from(design::kClientWidth), pixels::from(design::kClientHeight));
    QPalette white = client->palette();
    white.setColor(QPalette::Window, pixels::from(design::kBackground));
    client->setPalette(white);
    client->setAutoFillBackground(true);
    setCentralWidget(client);
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Hang = new Gallows(client);
    Hang->setObjectName("Hang");
    static const QIcon icon = Gallows::icon();
    setWindowIcon(icon);

    Label1 =
        designLabel(client, "Label1", design::kLabel1, design::kLabel1Font, design::kLabel1Text);
    QPalette pink = Label1->palette();
    pink.setColor(QPalette::Window, pixels::from(design::kLabel1Background));
    Label1->setPalette(pink);
    Label1->setAutoFillBackground(true);
    Label1->setAccessibleName("Word");
    WinTotal = designLabel(client, "WinTotal", design::kWinTotal, design::kWinTotalFont,
                           design::kWinTotalText);
    WinTotal->setAccessibleName("Wins");

    auto* designedLetter = new LetterButton(client);
    designedLetter->setText("A");
    Letter.addButton(designedLetter, 0);
    connect(&Letter, &QButtonGroup::idClicked, this, [this](int letterIndex) {
        runGuarded(game_.host(), [&] { Letter_Click(letterIndex); });
    });

    QMenu* mnuFile = menuBar()->addMenu("File");
    mnuFile->setObjectName("mnuFile");
    const auto addCommand = [&](const char* name, const char* caption, QKeyCombination shortcut,
                                void (Form1::*handler)()) {
        QAction* action = mnuFile->addAction(caption);
        action->setObjectName(name);
        action->setShortcut(shortcut);
        connect(action, &QAction::triggered, this,
                [this, handler] { runGuarded(game_.host(), [&] { (this->*handler)(); }); });
    };
    addCommand("mnuOH", "Open Scaffle Word File", Qt::CTRL | Qt::Key_O, &Form1::mnuOH_Click);
    addCommand("mnuAbout", "About Scaffle!", Qt::CTRL | Qt::Key_A, &Form1::mnuAbout_Click);
    addCommand("mnuExit", "Exit", Qt::CTRL | Qt::Key_X, &Form1::mnuExit_Click);
}

void Form1::Form_Load() {
    game_.random().seedFromClock();
    buildKeyboard();
    GameState& state = game_.state();
    if (state.wordFilePath.empty()) {
        state.wordFilePath = kDefaultWordFile;
    }
    if (game_.usesBuiltInWords) {
        startFromBuiltInWords();
        return;
    }
    try {
        startoff(state, *this, game_.random());
    } catch (const WordFileError& error) {
        // A fresh install has no word file yet: that needs no message.
        if (!(error.path() == kDefaultWordFile && error.reason() == kDoesNotExist)) {
            game_.host().message(error.what(), kProblemTitle);
        }
        game_.usesBuiltInWords = true;
        startFromBuiltInWords();
    }
}

void Form1::startFromBuiltInWords() {
    startRound(game_.state(), *this, game_.random(), builtInWords());
}

void Form1::buildKeyboard() {
    const int step = design::kLetter0.width;
    for (const design::KeyboardRow& row : design::kKeyboard) {
        for (int j = 0; j < row.count; ++j) {
            const int index = row.firstIndex + j;
            if (index > 0) {
                auto* button = new LetterButton(centralWidget());
                button->hide();
                Letter.addButton(button, index);
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
    GameState& state = game_.state();
    switch (guessLetter(state, *this, letterIndex)) {
        case Outcome::Continue:
            break;
        case Outcome::Lost:
            game_.host().message(
                "You lost! The word was " + encodeUtf8(state.secretWord) + ". Try again next time!",
                "Try Again!");
            game_.host().end(0);
            break;
        case Outcome::Won:
            game_.host().message("You won! Wow!", "Winner!");
            countWin(state);
            game_.reload();
            break;
    }
}

void Form1::mnuOH_Click() {
    const std::optional<std::string> path = game_.host().chooseWordFile(kWordFileFilter);
    if (!path) {
        return;
    }
    WordList words;
    try {
        words = readWordList(*path);
    } catch (const WordFileError& error) {
        game_.host().message(error.what(), kProblemTitle);
        return;
    }
    game_.state().wordFilePath = *path;
    game_.usesBuiltInWords = false;
    startRound(game_.state(), *this, game_.random(), std::move(words));
    for (int index = 0; index < design::kLetterCount; ++index) {
        showLetter(index);
    }
    for (int piece = 1; piece <= design::kPiecesShownByMisses; ++piece) {
        hidePiece(piece);
    }
}

void Form1::mnuAbout_Click() {
    game_.host().message(
        "Scaffle! was written by the Scaffle developers for everyone who "
        "likes a word game.",
        "About Scaffle!");
}

void Form1::mnuExit_Click() {
    game_.host().end(0);
}

void Form1::setCaption(const std::string& caption) {
    setWindowTitle(QString::fromStdString(caption));
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

void Form1::showLetter(int letterIndex) {
    letter(letterIndex)->show();
}

void Form1::showPiece(int piece) {
    Hang->showPiece(piece);
}

void Form1::hidePiece(int piece) {
    Hang->hidePiece(piece);
}
