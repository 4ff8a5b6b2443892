// ClockRandomSource: random numbers from a standard engine seeded from the system clock.
#pragma once

#include "game/random_source.h"

#include <random>

class ClockRandomSource final : public RandomSource {
public:
    void Seed() override;
    float Next() override;

private:
    std::mt19937 m_engine;
};
