// A guess on a word of a million letters, next to one pass of std::count over that word.
#include <algorithm>

#include "Guess.h"
#include "Summary.h"

namespace {

// The screen takes what the guess shows and does nothing with it: the rules' time alone.
class UnseenDisplay final : public GameDisplay {
public:
    void setCaption(const std::string&) override {}
    void setMaskedWord(const std::string& maskedWord) override {
        benchmark::DoNotOptimize(maskedWord.data());
    }
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

void GuessAgainstCount(benchmark::State& state) {
    GameState round = millionLetterRound();
    UnseenDisplay window;
    interleave(
        state,
        [&] {
            round.missesLeft = kMissesPerRound;
            return secondsOf(
                [&] { benchmark::DoNotOptimize(guessLetter(round, window, 'Q' - 'A')); });
        },
        [&] {
            return secondsOf([&] {
                benchmark::DoNotOptimize(
                    std::count(round.secretWord.begin(), round.secretWord.end(), U'Q'));
            });
        });
}

BENCHMARK(GuessAgainstCount)->UseManualTime()->Unit(benchmark::kMicrosecond)->MinTime(1);

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    Summary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    Summary::verdict("guess-1M", summary.ratios["GuessAgainstCount"], 5.0, "x of std::count");
}
