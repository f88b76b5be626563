#include "Random.h"

#include <gtest/gtest.h>

TEST(ClockRandom, staysWithinZeroAndOneAndSpreadsOverTheRange) {
    ClockRandom random;
    random.seedFromClock();
    float lowest = 1;
    float highest = 0;
    for (int i = 0; i < 100000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0F);
        ASSERT_LT(r, 1.0F);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.001F);
    EXPECT_GT(highest, 0.999F);
}
