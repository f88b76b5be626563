#include "Random.h"

#include <chrono>

void ClockRandom::seedFromClock() {
    engine_.seed(static_cast<std::mt19937_64::result_type>(
        std::chrono::system_clock::now().time_since_epoch().count()));
}

double ClockRandom::next() {
    // uniform_real_distribution can round up to 1.0; 53 random bits scaled by 2^-53 are exact
    // in a double and always below 1.
    return static_cast<double>(engine_() >> 11) * 0x1p-53;
}
