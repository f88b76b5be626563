#pragma once

#include <random>

// The game's source of chance, replaceable in tests by one that returns chosen values.
class Random {
public:
    virtual ~Random() = default;
    virtual void seedFromClock() = 0;
    // A number r with 0 <= r < 1, with enough bits to pick any word of the largest word file.
    virtual double next() = 0;
};

class ClockRandom final : public Random {
public:
    void seedFromClock() override;
    double next() override;

private:
    std::mt19937_64 engine_;
};
