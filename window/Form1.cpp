#include "Form1.h"

#include "BuiltInWords.h"
#include "Guarded.h"
#include "Guess.h"
#include "RoundTexts.h"
#include "Startoff.h"
#include "WordFileError.h"
#include "WordShown.h"

namespace {

constexpr const char* kDefaultWordFile = "C:/scaffle.scf";
constexpr FileType kWordFileFilter[] = {
    {"Scaffle files (*.scf)", "*.scf"},
    {"Text files (*.txt)", "*.txt"},
    {"All files", "*.*"},
};
constexpr const char* kProblemTitle = "Scaffle!";
constexpr const char* kBuiltInInstead = "The built-in animals are played instead.";

}  // namespace

Form1::Form1(Controls& controls, Host& host, Random& random)
    : controls_(controls), host_(host), random_(random) {}

// A round that is won or lost takes nothing more until the reload.
void Form1::event(const std::function<void()>& handler) {
    if (!state_.roundOver) {
        runGuarded(host_, handler);
    }
}

void Form1::Form_Load() {
    runGuarded(host_, [this] { load(); });
}

void Form1::load() {
    random_.seedFromClock();
    controls_.buildKeyboard();
    if (state_.wordFile.name().empty()) {
        state_.wordFile = WordFile::atPath(kDefaultWordFile);
    }
    std::string refusal;
    try {
        startoff(state_, controls_, random_, state_.wordFile);
    } catch (const WordFileError& error) {
        // A fresh install has no word file yet: nothing to tell.
        const bool freshInstall = error.missing() && error.name() == kDefaultWordFile;
        refusal = freshInstall ? "" : error.what();
        startRound(state_, controls_, random_, builtInWords());
    }
    controls_.focusLetter(0);
    controls_.tell(roundStartNews(state_.slots.size(), state_.winsTally));
    // Told once the window shows the new round, so that the box comes over it, and only once
    // while the file stays as it is.
    if (refusal != reportedAtLoad_ && !refusal.empty()) {
        host_.afterThisEvent(
            [this, refusal] { host_.message(refusal + " " + kBuiltInInstead, kProblemTitle); });
    }
    reportedAtLoad_ = refusal;
}

void Form1::reload() {
    runGuarded(host_, [this] {
        controls_.rebuild();
        load();
    });
}

void Form1::Letter_Click(int letterIndex) {
    event([&] { guess(letterIndex); });
}

void Form1::Letter_KeyDown(int letterIndex, LetterMove move) {
    controls_.focusLetter(letterAfter(move, letterIndex, ~state_.lettersGuessed));
}

void Form1::guess(int letterIndex) {
    // A screen reader can press a hidden letter: it must not count twice.
    if (state_.lettersGuessed.test(static_cast<std::size_t>(letterIndex))) {
        return;
    }
    const int missesBefore = state_.missesLeft;
    const Outcome outcome = guessLetter(state_, controls_, letterIndex);
    if (outcome != Outcome::Lost && state_.missesLeft < missesBefore) {
        controls_.tell(piecesShownText(kMissesPerRound - state_.missesLeft));
    } else if (outcome != Outcome::Lost) {
        controls_.tell(maskedWordNews(state_.slots));
    }
    switch (outcome) {
        case Outcome::Continue:
            break;
        case Outcome::Lost:
            host_.message("You lost! The word was " + secretWordShown(state_.secretWord) +
                              ". Try again next time!",
                          "Try Again!");
            host_.end(0);
            break;
        case Outcome::Won:
            host_.message("You won! Wow!", "Winner!");
            countWin(state_);
            // Not inside this click: the controls it came from go with the reload.
            host_.afterThisEvent([this] { reload(); });
            break;
    }
}

void Form1::mnuOH_Click() {
    event([this] { openWordFile(); });
}

void Form1::openWordFile() {
    const std::optional<WordFile> file = host_.chooseWordFile(kWordFileFilter);
    if (!file) {
        return;
    }
    try {
        startoff(state_, controls_, random_, *file);
    } catch (const WordFileError& error) {
        host_.message(error.what(), kProblemTitle);
        return;
    }
    clearBoard();
    // The new category too: a changed caption may go unspoken.
    controls_.tell(captionText(state_.category) + ". " +
                   roundStartNews(state_.slots.size(), state_.winsTally));
}

void Form1::clearBoard() {
    for (int index = 0; index < kLetterCount; ++index) {
        controls_.showLetter(index);
    }
    for (int piece = 1; piece <= kMissesPerRound; ++piece) {
        controls_.hidePiece(piece);
    }
}

void Form1::mnuAbout_Click() {
    event([this] {
        host_.message(
            "Scaffle! was written by the Scaffle developers for everyone who likes a word game.",
            "About Scaffle!");
    });
}

void Form1::mnuExit_Click() {
    event([this] { host_.end(0); });
}
