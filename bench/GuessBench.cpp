// A guess on a word of a million letters, next to one pass of std::count over that word.
#include <algorithm>

#include "Guess.h"
#include "Summary.h"

namespace {

class Unseen final : public GameDisplay {
public:
    void setCaption(const std::string&) override {}
    void setMaskedWord(const std::string& text) override { benchmark::DoNotOptimize(text.data()); }
    void setWinsText(const std::string&) override {}
    void hideLetter(int) override {}
    void showPiece(int) override {}
};

GameState millionLetterRound() {
    GameState state;
    for (int i = 0; i < 1'000'000; ++i) {
        state.secretWord += static_cast<char32_t>('A' + i % 26);
    }
    state.slots.assign(state.secretWord.size(), '_');
    return state;
}

void CountOverTheWord(benchmark::State& state) {
    const GameState round = millionLetterRound();
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            std::count(round.secretWord.begin(), round.secretWord.end(), U'Q'));
    }
}

void GuessOnTheWord(benchmark::State& state) {
    GameState round = millionLetterRound();
    Unseen display;
    for (auto _ : state) {
        round.missesLeft = kMissesPerRound;
        benchmark::DoNotOptimize(guessLetter(round, display, 'Q' - 'A'));
    }
}

BENCHMARK(CountOverTheWord)->Unit(benchmark::kMicrosecond);
BENCHMARK(GuessOnTheWord)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    Summary::verdict(
        "guess-1M", summary.nanoseconds["GuessOnTheWord"] / summary.nanoseconds["CountOverTheWord"],
        3.0, "x of std::count");
}
