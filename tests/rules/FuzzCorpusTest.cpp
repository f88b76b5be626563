#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "PlayWordFile.h"

// The fuzzer's seeds and every input it ever crashed on, played again on each test run.
TEST(FuzzCorpus, everyKeptInputPlaysWithoutBreakingTheRules) {
    int played = 0;
    for (const char* folder : {"corpus", "regressions"}) {
        const auto path = std::filesystem::path(SCAFFLE_FUZZ_DIR) / folder;
        if (!std::filesystem::exists(path)) {
            continue;
        }
        for (const auto& entry : std::filesystem::directory_iterator(path)) {
            std::ifstream file(entry.path(), std::ios::binary);
            const std::string bytes{std::istreambuf_iterator<char>(file), {}};
            SCOPED_TRACE(entry.path().string());
            fuzzing::playWordFile(reinterpret_cast<const std::uint8_t*>(bytes.data()),
                                  bytes.size());
            ++played;
        }
    }
    EXPECT_GE(played, 8);
}
