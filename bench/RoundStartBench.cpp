// Round start against the disk: the whole round start on word files of one thousand to ten
// million words, and on one of a million saved as UTF-16, next to reading the same bytes into
// memory with nothing else done.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <random>

#include "ChosenRandom.h"
#include "RecordingDisplay.h"
#include "Startoff.h"
#include "Summary.h"

namespace {

const std::filesystem::path kFolder = std::filesystem::temp_directory_path() / "scaffle-bench";

enum class Saved { Ascii, Utf16 };

// Eight-letter words, one a line, as a Windows editor saves them.
std::string wordFile(long words, Saved saved) {
    const bool utf16 = saved == Saved::Utf16;
    const auto path =
        kFolder / ("words-" + std::to_string(words) + (utf16 ? "-utf16" : "") + ".scf");
    if (!std::filesystem::exists(path)) {
        std::filesystem::create_directories(kFolder);
        std::mt19937 engine(7);
        std::uniform_int_distribution<int> letter('A', 'Z');
        std::ofstream out(path, std::ios::binary);
        const auto write = [&out, utf16](std::string_view text) {
            for (const char c : text) {
                out << c;
                if (utf16) {
                    out << '\0';
                }
            }
        };
        if (utf16) {
            out << "\xFF\xFE";
        }
        write("Benchmark\r\n");
        std::string line(8, 'A');
        line += "\r\n";
        for (long i = 0; i < words; ++i) {
            std::generate_n(line.begin(), 8, [&] { return static_cast<char>(letter(engine)); });
            write(line);
        }
    }
    return path.string();
}

std::string wordFile(const benchmark::State& state) {
    return wordFile(state.range(0), static_cast<Saved>(state.range(1)));
}

void RoundStartAgainstBareRead(benchmark::State& state) {
    const std::string path = wordFile(state);
    ChosenRandom random(0.5);
    RecordingDisplay window;
    interleave(
        state,
        [&] {
            window.calls.clear();
            GameState game;
            return secondsOf([&] {
                startoff(game, window, random, WordFile::atPath(path));
                benchmark::DoNotOptimize(game.secretWord.data());
            });
        },
        [&] {
            return secondsOf([&] {
                std::ifstream in(path, std::ios::binary);
                std::string bytes(std::filesystem::file_size(path), '\0');
                in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
                benchmark::DoNotOptimize(bytes.data());
            });
        });
}

// Every word count, as ASCII, and a million words saved as UTF-16.
void wordCounts(benchmark::internal::Benchmark* benchmark) {
    for (const long words : {1'000L, 100'000L, 1'000'000L, 10'000'000L}) {
        benchmark->Args({words, static_cast<long>(Saved::Ascii)});
    }
    benchmark->Args({1'000'000, static_cast<long>(Saved::Utf16)});
    benchmark->UseManualTime()->Unit(benchmark::kMillisecond)->MinTime(1);
}
BENCHMARK(RoundStartAgainstBareRead)->Apply(wordCounts);

// The peak resident size of a fresh process that starts one round on the file, in bytes.
long peakOfOneRound(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        ChosenRandom random(0.5);
        RecordingDisplay window;
        GameState game;
        startoff(game, window, random, WordFile::atPath(path));
        ::_exit(0);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return usage.ru_maxrss * 1024L;
}

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);

    const auto ratio = [&summary](const std::string& file) {
        const double ratio = summary.ratios["RoundStartAgainstBareRead/" + file];
        std::printf("round start on %s: %.2fx of a bare read\n", file.c_str(), ratio);
        return ratio;
    };
    for (const char* words : {"1000", "100000"}) {
        ratio(std::string(words) + "/0");
    }
    Summary::verdict("round-start-1M", ratio("1000000/0"), 2.0, "x of bare read");
    Summary::verdict("round-start-10M", ratio("10000000/0"), 2.0, "x of bare read");
    Summary::verdict("round-start-utf16-1M", ratio("1000000/1"), 3.0, "x of bare read");
    const std::string path = wordFile(10'000'000, Saved::Ascii);
    const double mib = 1024.0 * 1024.0;
    const double fileSize = static_cast<double>(std::filesystem::file_size(path)) / mib;
    Summary::verdict("memory-10M", static_cast<double>(peakOfOneRound(path)) / mib,
                     1.5 * fileSize + 40, " MiB peak resident");
}
