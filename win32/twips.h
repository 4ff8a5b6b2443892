// Twips: the windows are laid out in twips, 1/1440 inch, so they keep their size in inches on
// every monitor: 15 twips to a pixel at 96 dpi, 10 at 144 dpi.
#pragma once

#include <windows.h>

inline constexpr int kTwipsPerInch = 1440;
inline constexpr int kDefaultDpi = 96;

// Rounded to the nearest pixel; at 96 dpi every length of the layout is a whole pixel count.
constexpr int Px(int twips, int dpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// A rectangle whose left, top, width and height are each converted, so that two controls of the
// same size in twips are the same size on the screen.
constexpr RECT TwipsRect(int left, int top, int width, int height, int dpi) {
    const int x = Px(left, dpi);
    const int y = Px(top, dpi);
    return RECT{x, y, x + Px(width, dpi), y + Px(height, dpi)};
}
