// BackgroundSchedule: the main window's background for each suspect of a mission.
#include "game/background_schedule.h"

#include <array>
#include <stdexcept>

Colour BackgroundSchedule(int suspectNo) {
    static constexpr std::array<Colour, 6> kSchedule = {
        Colours::kBackground, 0xFFFF80, 0xFFFF00, 0xC0C000, 0x808000, 0x404000,
    };
    if (suspectNo < 1 || suspectNo > static_cast<int>(kSchedule.size()))
        throw std::out_of_range("no background for this suspect");
    return kSchedule[static_cast<std::size_t>(suspectNo - 1)];
}
