#include "Random.h"

#include <chrono>
#include <cstdint>

void ClockRandom::seedFromClock() {
    const auto now = std::chrono::system_clock::now().time_since_epoch().count();
    engine_.seed(static_cast<std::mt19937::result_type>(now ^ (now >> 32)));
}

float ClockRandom::next() {
    // uniform_real_distribution<float> can round up to 1.0; 24 random bits scaled by 2^-24
    // are exact in a float and always below 1.
    std::uniform_int_distribution<std::uint32_t> bits(0, (1U << 24) - 1);
    return static_cast<float>(bits(engine_)) * 0x1p-24F;
}
