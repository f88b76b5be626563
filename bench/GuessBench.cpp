// A guess on a word of a million letters, next to one pass of std::count over that word.
#include <algorithm>

#include "Guess.h"
#include "Summary.h"

namespace {

// The screen takes what the guess shows and does nothing with it: the rules' time alone.
class UnseenDisplay final : public GameDisplay {
public:
    void setCaption(const std::string&) override {}
    void setMaskedWord(std::string_view slots) override { benchmark::DoNotOptimize(slots.data()); }
    void setWinsText(const std::string&) override {}
    void hideLetter(int) override {}
    void showPiece(int) override {}
};

std::string millionLetterWord() {
    std::string word;
    for (int i = 0; i < 1'000'000; ++i) {
        word += static_cast<char>('A' + i % 26);
    }
    return word;
}

void GuessAgainstCount(benchmark::State& state) {
    const std::string word = millionLetterWord();
    GameState round;
    round.secretWord = word;
    round.slots.assign(word.size(), '_');
    UnseenDisplay window;
    interleave(
        state,
        [&] {
            round.missesLeft = kMissesPerRound;
            return secondsOf(
                [&] { benchmark::DoNotOptimize(guessLetter(round, window, 'Q' - 'A')); });
        },
        [&] {
            return secondsOf(
                [&] { benchmark::DoNotOptimize(std::count(word.begin(), word.end(), 'Q')); });
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
