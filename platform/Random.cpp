#include "Random.h"

#include <sys/time.h>

#include <cstdint>

void ClockRandom::seedFromClock() {
    // The C library's clock, which cannot fail here: std::chrono's could in principle, and its
    // failure would bring all of the C++ library's error texts into the page's WebAssembly.
    timeval now{};
    gettimeofday(&now, nullptr);
    engine_.seed(static_cast<std::uint64_t>(now.tv_sec) * 1'000'000 +
                 static_cast<std::uint64_t>(now.tv_usec));
}

double ClockRandom::next() {
    // uniform_real_distribution can round up to 1.0; 53 random bits scaled by 2^-53 are exact
    // in a double and always below 1.
    return static_cast<double>(engine_() >> 11) * 0x1p-53;
}
