// ClockRandomSource: random numbers from a standard engine seeded from the system clock.
#include "game/clock_random_source.h"

#include <chrono>

void ClockRandomSource::Seed() {
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    m_engine.seed(static_cast<std::mt19937::result_type>(ticks ^ (ticks >> 32)));
}

float ClockRandomSource::Next() {
    // 24 random bits fill a float's mantissa exactly, so bits / 2^24 is exact and stays below 1.
    // A library float distribution may round up to 1.0, which would hide a suspect in a room
    // that does not exist.
    const std::uint32_t bits = static_cast<std::uint32_t>(m_engine()) >> 8;
    return static_cast<float>(bits) * 0x1p-24f;
}
