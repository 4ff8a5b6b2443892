// GameState: the counters that describe the game, kept as 16-bit signed values in a fixed order.
#pragma once

#include <cstdint>

// The rules keep every field far inside its range (see the comments), so no arithmetic on them
// can overflow. Everything starts at 0; only InitializeGame and StartMission set them up.
struct GameState {
    std::int16_t SuspectNo = 0;     // suspect now sought, 1..6; 7 only while a mission ends
    std::int16_t HideRoom = 0;      // column of the hiding place, 1 = leftmost
    std::int16_t HideFloor = 0;     // floor of the hiding place, 1 = ground floor
    std::int16_t MissCount = 0;     // wrong rooms visited for the current suspect, 0..4
    std::int16_t Reward = 0;        // earned in the running mission, in 10,000 dollars, 0..36
    std::int16_t CaughtCount = 0;   // suspects caught in the running mission, 0..6
    std::int16_t MissionActive = 0; // 1 while a mission runs; room visits are refused otherwise
    std::int16_t HighScore = 0;     // best Reward since the program started; never saved
};
