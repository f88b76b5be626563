#include "Form1.h"

#include "BuiltInWords.h"
#include "Drawing.h"
#include "Guess.h"
#include "RoundTexts.h"
#include "RuntimeError.h"
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

// The gallows as drawn, and as a screen reader reads it: a piece of it beyond the design's is a
// miss.
void showPieces(WindowState& window, PiecesShown pieces) {
    window.pieces = pieces;
    window.piecesSpoken =
        piecesShownText(static_cast<int>((pieces & ~drawing::designPieces()).count()));
}

}  // namespace

std::span<const FileType> wordFileFilter() {
    return kWordFileFilter;
}

// What the rules change on the screen, written into the window's state.
class Form1::Display final : public GameDisplay {
public:
    Display(WindowState& window, const TextWidth& textWidth)
        : window_(window), textWidth_(textWidth) {}

    void setCaption(const std::string& caption) override { window_.caption = caption; }
    void setMaskedWord(std::string_view slots) override {
        window_.maskedWord = label1Text(slots);
        window_.maskedWordSpoken = maskedWordNews(slots);
        window_.maskedWordPixels = drawing::label1FontPixels([&](int pixels) {
            return textWidth_(window_.maskedWord, design::kLabel1Font, pixels);
        });
    }
    void setWinsText(const std::string& winsText) override { window_.winsText = winsText; }
    void hideLetter(int letterIndex) override {
        window_.lettersShown.reset(static_cast<std::size_t>(letterIndex));
    }
    void showPiece(int piece) override {
        showPieces(window_, PiecesShown(window_.pieces).set(static_cast<std::size_t>(piece - 1)));
    }

private:
    WindowState& window_;
    const TextWidth& textWidth_;
};

Form1::Form1(Random& random, TextWidth textWidth)
    : random_(random), textWidth_(std::move(textWidth)) {}

// Every event runs guarded: no exception unwinds through a front end's event loop. While a
// box or the open dialog is up, or once the game has ended, the window takes nothing.
void Form1::event(const std::function<void()>& handler) {
    if (window_.ended || window_.box || window_.choosingFile) {
        return;
    }
    try {
        handler();
    } catch (...) {
        boxes_.clear();
        window_.choosingFile = false;
        show({"Scaffle!", describeFailure(std::current_exception()).text()}, Then::EndWithError);
    }
}

void Form1::Form_Load() {
    event([this] { load(); });
}

// The window as designed, then the load: the keyboard, the word file, a round.
void Form1::load() {
    const WindowState before = window_;
    window_ = WindowState{};
    window_.active = before.active;
    window_.focusCues = before.focusCues;
    window_.news = before.news;
    window_.maskedWord = design::kLabel1Text;
    window_.winsText = design::kWinTotalText;
    showPieces(window_, drawing::designPieces());

    random_.seedFromClock();
    window_.lettersShown.set();
    if (state_.wordFile.name().empty()) {
        state_.wordFile = WordFile::atPath(kDefaultWordFile);
    }
    Display display(window_, textWidth_);
    std::string refusal;
    try {
        startoff(state_, display, random_, state_.wordFile);
    } catch (const WordFileError& error) {
        // A fresh install has no word file yet: nothing to tell.
        const bool freshInstall = error.missing() && error.name() == kDefaultWordFile;
        refusal = freshInstall ? "" : error.what();
        startRound(state_, display, random_, builtInWords());
    }
    window_.focus = 0;
    tell(roundStartNews(state_.slots.size(), state_.winsTally));
    // Once only while the file stays as it is.
    if (refusal != reportedAtLoad_ && !refusal.empty()) {
        show({kProblemTitle, refusal + " " + kBuiltInInstead}, Then::Nothing);
    }
    reportedAtLoad_ = refusal;
}

void Form1::Form_Activate() {
    window_.active = true;
    // The letter that had the focus gets it back, or the next one shown.
    if (window_.focus >= 0 && !window_.lettersShown.test(static_cast<std::size_t>(window_.focus))) {
        focusAfter(window_.focus);
    }
}

void Form1::Form_Deactivate() {
    window_.active = false;
    window_.pressed = -1;
}

void Form1::Form_FocusCues(bool shown) {
    window_.focusCues = shown;
}

void Form1::Letter_Click(int letterIndex) {
    event([&] { guess(letterIndex); });
}

void Form1::Letter_GotFocus(int letterIndex) {
    if (window_.lettersShown.test(static_cast<std::size_t>(letterIndex))) {
        window_.focus = letterIndex;
    }
}

void Form1::Letter_MouseDown(int letterIndex) {
    event([&] { window_.pressed = letterIndex; });
}

void Form1::Letter_MouseUp(int letterIndex) {
    if (window_.pressed == letterIndex) {
        window_.pressed = -1;
    }
}

bool Form1::Letter_KeyDown(int letterIndex, LetterMove move, Modifiers modifiers) {
    // With Ctrl, Alt or a Mac's Cmd the keys are the system's (a browser's Back is Alt+Left);
    // with Shift alone they mean nothing on a letter, and do nothing.
    if ((modifiers & ~kShift) != 0 || window_.box || window_.choosingFile) {
        return false;
    }
    if (modifiers == kNoModifier) {
        window_.focus = letterAfter(move, letterIndex, window_.lettersShown);
    }
    return true;
}

void Form1::guess(int letterIndex) {
    // A screen reader can press a hidden letter: it must not count twice.
    if (state_.roundOver || state_.lettersGuessed.test(static_cast<std::size_t>(letterIndex))) {
        return;
    }
    const int missesBefore = state_.missesLeft;
    Display display(window_, textWidth_);
    const Outcome outcome = guessLetter(state_, display, letterIndex);
    if (window_.pressed == letterIndex) {
        window_.pressed = -1;
    }
    if (window_.focus == letterIndex) {
        focusAfter(letterIndex);
    }
    switch (outcome) {
        case Outcome::Continue:
            tell(state_.missesLeft < missesBefore ? window_.piecesSpoken
                                                  : maskedWordNews(state_.slots));
            break;
        case Outcome::Lost:
            show({"Try Again!", "You lost! The word was " + secretWordShown(state_.secretWord) +
                                    ". Try again next time!"},
                 Then::End);
            break;
        case Outcome::Won:
            tell(maskedWordNews(state_.slots));
            // The box takes the focus at once, so the word is heard with it.
            show({"Winner!", "You won! Wow!", secretWordShown(state_.secretWord) + "."},
                 Then::NextRound);
            break;
    }
}

void Form1::focusAfter(int guessed) {
    window_.focus = letterAfterGuess(guessed, window_.lettersShown);
}

void Form1::mnuOH_Click() {
    event([this] { window_.choosingFile = true; });
}

void Form1::File_Choose(const WordFile& file) {
    if (!window_.choosingFile) {
        return;
    }
    window_.choosingFile = false;
    event([&] {
        // All or nothing: a file that cannot give a round leaves the round as it was.
        WindowState round = window_;
        Display display(round, textWidth_);
        try {
            startoff(state_, display, random_, file);
        } catch (const WordFileError& error) {
            show({kProblemTitle, error.what()}, Then::Nothing);
            return;
        }
        window_ = round;
        clearBoard();
        // The new category too: a changed caption may go unspoken.
        tell(captionText(state_.category) + ". " +
             roundStartNews(state_.slots.size(), state_.winsTally));
    });
}

void Form1::File_Cancel() {
    window_.choosingFile = false;
}

void Form1::clearBoard() {
    window_.lettersShown.set();
    showPieces(window_, drawing::designPieces());
    if (window_.focus < 0) {
        window_.focus = 0;
    }
}

void Form1::mnuAbout_Click() {
    event([this] {
        show({"About Scaffle!",
              "Scaffle! was written by the Scaffle developers for everyone who likes a word game."},
             Then::Nothing);
    });
}

void Form1::mnuExit_Click() {
    event([this] { end(0); });
}

void Form1::show(Box box, Then then) {
    boxes_.push_back({std::move(box), then});
    window_.box = boxes_.front().box;
}

void Form1::Box_Close() {
    if (boxes_.empty()) {
        return;
    }
    const Then then = boxes_.front().then;
    boxes_.pop_front();
    window_.box.reset();
    switch (then) {
        case Then::Nothing:
            break;
        case Then::NextRound:
            countWin(state_);
            // The reload: the window as designed, and a new round in it.
            event([this] { load(); });
            break;
        case Then::End:
            end(0);
            return;
        case Then::EndWithError:
            end(1);
            return;
    }
    if (!boxes_.empty()) {
        window_.box = boxes_.front().box;
    }
}

void Form1::tell(std::string news) {
    window_.news = {std::move(news), window_.news.number + 1};
}

void Form1::end(int status) {
    window_.ended = true;
    window_.exitStatus = status;
    window_.box.reset();
    boxes_.clear();
}
