// Twips: the windows are laid out in twips, 15 to a pixel at 96 dpi; Qt scales the pixels for
// screens with another device pixel ratio.
#pragma once

#include <QRect>

#include <cmath>

inline constexpr int kTwipsPerPixel = 15;

constexpr int Px(int twips) {
    return twips / kTwipsPerPixel;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}

// Pixels for twips of a layout grown by a factor (for a larger font); at 1 exactly Px(). Rounded
// up, so that a size grown to fit a caption is never a pixel short.
inline int GrownPx(int twips, double growth) {
    return static_cast<int>(std::ceil(twips * growth / kTwipsPerPixel - 1e-9));
}
inline QRect GrownPx(QRect twips, double growth) {
    return QRect(GrownPx(twips.left(), growth), GrownPx(twips.top(), growth),
                 GrownPx(twips.width(), growth), GrownPx(twips.height(), growth));
}
