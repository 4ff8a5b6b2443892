// Colours of the game, as 24-bit values with blue in the high byte and red in the low byte.
#pragma once

#include <cstdint>

using Colour = std::uint32_t;

namespace Colours {
// A cell shows the same colour for its text and its back, so its room number is never readable.
inline constexpr Colour kCellIdle = 0xFF0000;     // blue
inline constexpr Colour kCellVisiting = 0x000000; // black, while the outcome of a visit is shown
inline constexpr Colour kFacade = 0xC0C0C0;       // silver
// The main window's design background, also the colour while the first suspect is sought.
inline constexpr Colour kBackground = 0xFFFFC0;
// The frame around the room a keyboard player is on: neither blue, black nor silver, so it can't
// be mistaken for a window of the building.
inline constexpr Colour kFocusFrame = 0x0000C0;

inline constexpr int Red(Colour c) {
    return static_cast<int>(c & 0xFF);
}
inline constexpr int Green(Colour c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
inline constexpr int Blue(Colour c) {
    return static_cast<int>((c >> 16) & 0xFF);
}
} // namespace Colours
