#pragma once

#include "Random.h"

// Always returns the number it was given.
class ChosenRandom final : public Random {
public:
    explicit ChosenRandom(float r = 0) : r(r) {}
    void seedFromClock() override { ++seeds; }
    float next() override { return r; }

    float r;
    int seeds = 0;
};
