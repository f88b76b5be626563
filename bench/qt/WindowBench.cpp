// From nothing to a painted window, the game's against a bare one of the same controls; from a
// click on a letter to its result painted, against a bare window that changes a label on a
// click; the reload after a win, over a thousand reloads; and a word of millions of letters:
// its guesses' paint and the memory of a whole game on it. Offscreen.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <limits>
#include <memory>

#include "ChosenRandom.h"
#include "QtForm1.h"
#include "Summary.h"
#include "TempFolder.h"

namespace {

using Clock = std::chrono::steady_clock;

// Runs the event loop until a widget of window has been painted and that paint is over.
class PaintWait final : public QObject {
public:
    explicit PaintWait(QWidget* window) : window_(window) { qApp->installEventFilter(this); }
    ~PaintWait() override { qApp->removeEventFilter(this); }

    void run() {
        QTimer::singleShot(5000, &loop_, &QEventLoop::quit);
        loop_.exec();
    }

protected:
    bool eventFilter(QObject* object, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_ && object->isWidgetType() &&
            static_cast<QWidget*>(object)->window() == window_) {
            painted_ = true;
            // Queued, so the loop ends only once the whole window is painted and flushed.
            QMetaObject::invokeMethod(&loop_, &QEventLoop::quit, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* window_;
    QEventLoop loop_;
    bool painted_ = false;
};

void untilPainted(QWidget* window) {
    PaintWait(window).run();
}

double seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

long residentKiB() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0;
    long resident = 0;
    statm >> pages >> resident;
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

ChosenRandom chance;

// The game's File, Open answered with this file, as the player answers the dialog.
void openFile(QtForm1& game, const WordFile& file) {
    game.input([&](Form1& form) {
        form.mnuOH_Click();
        form.File_Choose(file);
    });
}

// The box up closed with its OK, as the player closes it.
void closeBox(QtForm1& game) {
    game.input([](Form1& form) { form.Box_Close(); });
}

double timeOneGame() {
    const auto start = Clock::now();
    QtForm1 game(chance);
    game.start();
    untilPainted(&game);
    return seconds(Clock::now() - start);
}

// The window a bare Qt program would show with the game's controls: a menu, 26 buttons in the
// keyboard's place, the two labels. Gives the first label, where the masked word would be.
QLabel* buildBareWindow(QMainWindow& window) {
    window.menuBar()->addMenu("File")->addAction("Exit");
    auto* client = new QWidget(&window);
    client->setFixedSize(311, 220);
    for (int i = 0; i < 26; ++i) {
        auto* button = new QPushButton(QString(QChar('A' + i)), client);
        button->setGeometry(111 + 25 * (i % 8), 25 * (i / 8), 25, 25);
    }
    auto* maskedWord = new QLabel("_ _ _ _ _", client);
    new QLabel("Wins: 0", client);
    window.setCentralWidget(client);
    return maskedWord;
}

double timeOneBareWindow() {
    const auto start = Clock::now();
    QMainWindow window;
    buildBareWindow(window);
    window.show();
    untilPainted(&window);
    return seconds(Clock::now() - start);
}

void FirstPaintAgainstBareWindow(benchmark::State& state) {
    interleave(state, timeOneGame, timeOneBareWindow);
}

BENCHMARK(FirstPaintAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(2);

// The seconds from a click on button, pressed and released with the mouse as a player does, to
// the window painted with what the click changed.
double timeClick(QWidget* window, QAbstractButton* button) {
    const auto start = Clock::now();
    QTest::mouseClick(button, Qt::LeftButton);
    untilPainted(window);
    return seconds(Clock::now() - start);
}

void ClickAgainstBareWindow(benchmark::State& state) {
    // A word of the letters A to Y: 24 right guesses, then the round starts again, short of
    // the win that would close it to the menu.
    QtForm1 game(chance);
    game.start();
    const auto openAlphabet = [&] {
        openFile(game, WordFile::ofBytes("alphabet", "Letters\nABCDEFGHIJKLMNOPQRSTUVWXY"));
    };
    openAlphabet();
    untilPainted(&game);

    // The masked word's label as the game shows it: its font, its colours, its box and its texts.
    QMainWindow bare;
    QLabel* label = buildBareWindow(bare);
    label->setGeometry(game.findChild<QLabel*>("Label1")->geometry());
    label->setFont(QFont("Liberation Sans Narrow", 21, QFont::Bold));
    label->setStyleSheet("background: rgb(255, 192, 255)");
    label->setAlignment(Qt::AlignCenter);
    QStringList texts;  // made beforehand: the game's texts are made inside its click
    for (int right = 1; right <= 24; ++right) {
        const QString slots =
            QString("ABCDEFGHIJKLMNOPQRSTUVWXY").left(right) + QString(25 - right, '_');
        texts << slots.split("", Qt::SkipEmptyParts).join(' ');
    }
    auto* button = bare.centralWidget()->findChild<QPushButton*>();
    int clicks = 0;
    QObject::connect(button, &QPushButton::clicked,
                     [&] { label->setText(texts[clicks++ % texts.size()]); });
    bare.show();
    untilPainted(&bare);

    int letter = 0;
    interleave(
        state,
        [&] {
            if (letter == 24) {
                openAlphabet();
                untilPainted(&game);
                letter = 0;
            }
            return timeClick(&game, game.letter(letter++));
        },
        [&] { return timeClick(&bare, button); });
}

BENCHMARK(ClickAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(2);

struct Reloads {
    double median;
    double p95;
    long residentAfter20;
    long residentAfter1000;
};

Reloads reloadAThousandTimes() {
    QtForm1 game(chance);
    game.start();
    untilPainted(&game);
    std::vector<double> times;
    Reloads result{};
    for (int reload = 1; reload <= 1000; ++reload) {
        for (const char letter : std::string_view("WORD")) {
            game.letter(letter - 'A')->click();
        }
        const auto start = Clock::now();
        closeBox(game);
        untilPainted(&game);
        times.push_back(seconds(Clock::now() - start));
        if (reload == 20) {
            result.residentAfter20 = residentKiB();
        }
    }
    QTimer::singleShot(0, [] {});  // lets the last old controls' deferred delete run
    QEventLoop().processEvents();
    result.residentAfter1000 = residentKiB();
    std::sort(times.begin(), times.end());
    result.median = times[times.size() / 2];
    result.p95 = times[times.size() * 95 / 100];
    return result;
}

// A file of one word of this many letters, A to P over and over: the guesses A to P win it and
// Q to Y are nine misses.
std::string oneWordFile(const TempFolder& folder, std::size_t letters) {
    std::string word(letters, ' ');
    for (std::size_t i = 0; i < letters; ++i) {
        word[i] = static_cast<char>('A' + i % 16);
    }
    return folder.write("huge-" + std::to_string(letters) + ".scf", "Huge\n" + word + "\n");
}

// The slowest of a round's guesses on a word of a million letters, from the click to the
// window painted: nine right ones, then eight misses.
double slowestHugeWordGuess(const TempFolder& folder) {
    QtForm1 game(chance);
    game.start();
    untilPainted(&game);
    openFile(game, WordFile::atPath(oneWordFile(folder, 1'000'000)));
    untilPainted(&game);
    double slowest = 0;
    for (const char letter : std::string_view("ABCDEFGHIQRSTUVWX")) {
        slowest = std::max(slowest, timeClick(&game, game.letter(letter - 'A')));
    }
    return slowest;
}

// A whole game on a file of one word, in a fresh process: the window opens the file, the word
// is won, the window reloads and reads the file again, the next round is lost. Gives the most
// memory the process held above what it held with the window open on the built-in list; none
// is a game that did not end in the loss.
double hugeWordPeakBytes(const std::string& path, int argc, char** argv) {
    constexpr double kNone = std::numeric_limits<double>::infinity();
    int channel[2];
    if (::pipe(channel) != 0) {
        return kNone;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        QApplication application(argc, argv);
        QtForm1 game(chance);
        game.start();
        untilPainted(&game);
        const long before = residentKiB();
        openFile(game, WordFile::atPath(path));
        untilPainted(&game);
        for (const char letter : std::string_view("ABCDEFGHIJKLMNOP")) {
            game.letter(letter - 'A')->click();
        }
        const auto reload = Clock::now();
        closeBox(game);
        untilPainted(&game);
        std::printf("huge word: reload %.1f ms\n", seconds(Clock::now() - reload) * 1e3);
        for (const char letter : std::string_view("QRSTUVWXY")) {
            game.letter(letter - 'A')->click();
        }
        closeBox(game);
        rusage usage{};
        ::getrusage(RUSAGE_SELF, &usage);
        const double peak = game.form().window().ended
                                ? static_cast<double>(usage.ru_maxrss - before) * 1024
                                : kNone;
        std::fflush(stdout);
        ::_exit(::write(channel[1], &peak, sizeof peak) == sizeof peak ? 0 : 1);
    }
    ::close(channel[1]);
    double peak = kNone;
    if (::read(channel[0], &peak, sizeof peak) != sizeof peak) {
        peak = kNone;
    }
    ::waitpid(child, nullptr, 0);
    return peak;
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    const TempFolder folder;
    // Before this process has any Qt of its own, so that the child starts as a fresh game does.
    const std::string hugeFile = oneWordFile(folder, 20'000'000);
    const double hugePeak = hugeWordPeakBytes(hugeFile, argc, argv);
    QApplication application(argc, argv);
    // The first word is the one played.
    std::string words = "Benchmark\r\n";
    for (int i = 0; i < 100; ++i) {
        words += "WORD" + std::string(i % 3, 'D') + "\r\n";
    }
    folder.write("C:/scaffle.scf", words);
    QDir::setCurrent(QString::fromStdString(folder.path().string()));

    // The program's real first window: every cache still cold.
    const double firstWindow = timeOneGame();

    benchmark::Initialize(&argc, argv);
    Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    const Reloads reloads = reloadAThousandTimes();
    const double hugeGuess = slowestHugeWordGuess(folder);

    std::printf("first window of the process: %.2f ms\n", firstWindow * 1e3);
    std::printf("reload: median %.3f ms, 95th percentile %.3f ms\n", reloads.median * 1e3,
                reloads.p95 * 1e3);
    std::printf("resident: %ld KiB after 20 reloads, %ld KiB after 1000\n", reloads.residentAfter20,
                reloads.residentAfter1000);
    Summary::verdict("first-paint", summary.ratios["FirstPaintAgainstBareWindow"], 1.25,
                     "x of a bare window");
    Summary::verdict("click-to-paint", summary.ratios["ClickAgainstBareWindow"], 1.10,
                     "x of a bare window");
    Summary::verdict("reload-median", reloads.median / firstWindow, 0.5, "x of the first window");
    Summary::verdict("reload-memory",
                     double(reloads.residentAfter1000 - reloads.residentAfter20) / 1024.0, 5.0,
                     " MiB growth");
    Summary::verdict("huge-word-guess-1M", hugeGuess * 1e3, 100, " ms slowest click to paint");
    Summary::verdict("huge-word-memory-20M",
                     hugePeak / static_cast<double>(std::filesystem::file_size(hugeFile)), 4.0,
                     "x of the file's size at most");
}
