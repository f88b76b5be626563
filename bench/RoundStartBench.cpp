// Round start against the disk: the whole round start on word files of one thousand to ten
// million words, next to reading the same bytes into memory with nothing else done.
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "GameDisplay.h"
#include "Random.h"
#include "Startoff.h"
#include "Summary.h"

namespace {

class Unseen final : public GameDisplay {
public:
    void setCaption(const std::string&) override {}
    void setMaskedWord(const std::string&) override {}
    void setWinsText(const std::string&) override {}
    void hideLetter(int) override {}
    void showPiece(int) override {}
};

const std::filesystem::path kFolder = std::filesystem::temp_directory_path() / "scaffle-bench";

std::string wordFile(long words) {
    const auto path = kFolder / ("words-" + std::to_string(words) + ".scf");
    if (!std::filesystem::exists(path)) {
        std::filesystem::create_directories(kFolder);
        std::mt19937 engine(7);
        std::uniform_int_distribution<int> letter('A', 'Z');
        std::ofstream out(path, std::ios::binary);
        out << "Benchmark\r\n";
        std::string word(8, 'A');
        for (long i = 0; i < words; ++i) {
            for (char& c : word) {
                c = static_cast<char>(letter(engine));
            }
            out << word << "\r\n";
        }
    }
    return path.string();
}

void BareRead(benchmark::State& state) {
    const std::string path = wordFile(state.range(0));
    for (auto _ : state) {
        std::ifstream in(path, std::ios::binary);
        std::string bytes(std::filesystem::file_size(path), '\0');
        in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        benchmark::DoNotOptimize(bytes.data());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

void RoundStart(benchmark::State& state) {
    const std::string path = wordFile(state.range(0));
    ClockRandom random;
    random.seedFromClock();
    Unseen display;
    for (auto _ : state) {
        GameState game;
        startoff(game, display, random, path);
        benchmark::DoNotOptimize(game.secretWord.data());
    }
    state.SetBytesProcessed(state.iterations() *
                            static_cast<std::int64_t>(std::filesystem::file_size(path)));
}

// Every word count, repeated and compared by the medians: reading the disk is noisy.
void wordCounts(benchmark::internal::Benchmark* benchmark) {
    benchmark->Arg(1'000)->Arg(100'000)->Arg(1'000'000)->Arg(10'000'000);
    benchmark->Unit(benchmark::kMillisecond)->Repetitions(5);
}
BENCHMARK(BareRead)->Apply(wordCounts);
BENCHMARK(RoundStart)->Apply(wordCounts);

// The peak resident size of a fresh process that starts one round on the file, in bytes.
long peakOfOneRound(const std::string& path) {
    const pid_t child = ::fork();
    if (child == 0) {
        ClockRandom random;
        Unseen display;
        GameState game;
        startoff(game, display, random, path);
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

    for (const char* size : {"1000", "100000", "1000000", "10000000"}) {
        const double bare = summary.nanoseconds["BareRead/" + std::string(size)];
        const double round = summary.nanoseconds["RoundStart/" + std::string(size)];
        std::printf("round start on %s words: %.2f ms, bare read %.2f ms, %.2fx\n", size,
                    round / 1e6, bare / 1e6, round / bare);
    }
    for (const auto& [label, size] :
         {std::pair{"round-start-1M", "1000000"}, std::pair{"round-start-10M", "10000000"}}) {
        Summary::verdict(label,
                         summary.nanoseconds["RoundStart/" + std::string(size)] /
                             summary.nanoseconds["BareRead/" + std::string(size)],
                         2.0, "x of bare read");
    }
    const std::string path = wordFile(10'000'000);
    const double mib = 1024.0 * 1024.0;
    const double fileSize = static_cast<double>(std::filesystem::file_size(path)) / mib;
    Summary::verdict("memory-10M", static_cast<double>(peakOfOneRound(path)) / mib,
                     1.5 * fileSize + 40, " MiB peak resident");
}
