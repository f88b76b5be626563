#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "PlayWordFile.h"
#include "ReadBothWays.h"

namespace {

// Every input kept in one of the fuzzers' corpus folders, played as that fuzzer plays it.
int replay(const char* folder, void (*play)(const std::uint8_t*, std::size_t)) {
    int played = 0;
    for (const auto& entry :
         std::filesystem::directory_iterator(std::filesystem::path(SCAFFLE_FUZZ_DIR) / folder)) {
        std::ifstream file(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(file), {}};
        SCOPED_TRACE(entry.path().string());
        play(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
        ++played;
    }
    return played;
}

// The fuzzers' seeds and every input they ever broke the game with, on each test run.
TEST(FuzzCorpus, everyKeptWordFilePlaysWithoutBreakingTheRules) {
    EXPECT_GE(replay("corpus", fuzzing::playWordFile), 8);
}

TEST(FuzzCorpus, everyKeptWordFileReadsAlikeWholeAndBlockByBlock) {
    EXPECT_GE(replay("blocks-corpus", fuzzing::readBothWays), 100);
}

}  // namespace
