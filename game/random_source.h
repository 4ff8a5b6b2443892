// RandomSource: the game's supply of random numbers.
#pragma once

class RandomSource {
public:
    virtual ~RandomSource() = default;

    // Seeds the generator from the system clock; the game does this once per process.
    virtual void Seed() = 0;
    // Returns the next number r with 0 <= r < 1.
    virtual float Next() = 0;
};
