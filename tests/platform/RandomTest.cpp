#include "Random.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(ClockRandom, staysWithinZeroAndOneAndSpreadsOverTheRange) {
    ClockRandom random;
    random.seedFromClock();
    double lowest = 1;
    double highest = 0;
    bool finerThan24Bits = false;
    for (int i = 0; i < 100000; ++i) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        finerThan24Bits |= r * 0x1p24 != std::floor(r * 0x1p24);
        lowest = std::min(lowest, r);
        highest = std::max(highest, r);
    }
    EXPECT_LT(lowest, 0.001);
    EXPECT_GT(highest, 0.999);
    // Enough bits to reach every word of a file of more than 2^24 words.
    EXPECT_TRUE(finerThan24Bits);
}
