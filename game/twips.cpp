// Twips: the game lays out its windows in twips, 1/1440 inch, and turns them into pixels here.
#include "game/twips.h"

#include <cmath>

int Pixels(int twips, int dpi, double growth) {
    // twips * dpi is exact in a double, so at growth 1 this is integer rounding; the small
    // allowance keeps a product that should be a whole half from falling just below it.
    const double exact = static_cast<double>(twips) * dpi * growth / kTwipsPerInch;
    return static_cast<int>(std::floor(exact + 0.5 + 1e-9));
}

PixelSize Pixels(TwipsSize size, int dpi, double growth) {
    return {Pixels(size.width, dpi, growth), Pixels(size.height, dpi, growth)};
}

PixelRect Pixels(TwipsRect rect, int dpi, double growth) {
    return {Pixels(rect.left, dpi, growth), Pixels(rect.top, dpi, growth),
            Pixels(rect.width, dpi, growth), Pixels(rect.height, dpi, growth)};
}
