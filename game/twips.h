// Twips: the game lays out its windows in twips, 1/1440 inch, and turns them into pixels here.
#pragma once

inline constexpr int kTwipsPerInch = 1440;
// The resolution the layout was drawn at: 15 twips to a pixel, so every length is whole.
inline constexpr int kDesignDpi = 96;

struct TwipsSize {
    int width = 0;
    int height = 0;
};

struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

struct PixelSize {
    int width = 0;
    int height = 0;
    bool operator==(const PixelSize&) const = default;
};

struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; } // one past the last column
    int Bottom() const { return top + height; }
    bool operator==(const PixelRect&) const = default;
};

// The one rule every front end converts by: the nearest pixel at dpi, halves up, of a length
// grown by growth (1 unless a larger font needs more room). Rounding to the nearest never leaves
// a grown length short of a whole number of pixels that growth was chosen to reach.
int Pixels(int twips, int dpi, double growth = 1.0);
PixelSize Pixels(TwipsSize size, int dpi, double growth = 1.0);
// Left, top, width and height each converted, so that controls of one size in twips are one
// size on the screen wherever they sit.
PixelRect Pixels(TwipsRect rect, int dpi, double growth = 1.0);
