#pragma once

#include "Random.h"

// Always returns the number it was given.
class ChosenRandom final : public Random {
public:
    explicit ChosenRandom(double r = 0) : r(r) {}
    void seedFromClock() override { ++seeds; }
    double next() override { return r; }

    double r;
    int seeds = 0;
};
