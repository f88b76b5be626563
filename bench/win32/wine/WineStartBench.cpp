// From the start of a Windows program under Wine to its window on the screen: the game's
// against a bare Win32 window with the same controls, in turn. Run by `make bench-windows`,
// on an X display with a window manager and a Wine prefix of its own.
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <thread>

#include "Summary.h"

namespace {

constexpr const char* kWine = "/usr/lib/wine/wine64";
std::string game;
std::string bare;

bool shown(const std::string& title) {
    const std::string command = "xdotool search --onlyvisible --name '^" + title + "' 2>/dev/null";
    FILE* search = ::popen(command.c_str(), "r");
    char line[64];
    const bool found = std::fgets(line, sizeof line, search) != nullptr;
    ::pclose(search);
    return found;
}

// Seconds from the start of exe until a window whose title begins with title is shown; the
// program is ended then. A start that takes more than 30 seconds counts as 30.
double secondsToWindow(const std::string& exe, const std::string& title) {
    return secondsOf([&] {
        pid_t child = 0;
        char* const arguments[] = {const_cast<char*>(kWine), const_cast<char*>(exe.c_str()),
                                   nullptr};
        if (::posix_spawn(&child, kWine, nullptr, nullptr, arguments, environ) != 0) {
            std::perror("wine");
            std::exit(1);
        }
        for (int poll = 0; poll < 3000 && !shown(title); ++poll) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        ::kill(child, SIGKILL);
        ::waitpid(child, nullptr, 0);
    });
}

void StartAgainstBareWindow(benchmark::State& state) {
    interleave(
        state, [] { return secondsToWindow(game, "Scaffle! Category: "); },
        [] { return secondsToWindow(bare, "Bare$"); });
}
BENCHMARK(StartAgainstBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(15);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s GAME.exe BARE.exe\n", argv[0]);
        return 2;
    }
    game = argv[1];
    bare = argv[2];
    secondsToWindow(game, "Scaffle! Category: ");  // Wine's own first start, not counted
    Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    Summary::verdict("wine-start", summary.ratios["StartAgainstBareWindow"], 1.25,
                     "x of a bare window");
}
