// Twips: the windows are laid out in twips, 15 to a pixel at 96 dpi; Qt scales the pixels for
// screens with another device pixel ratio.
#pragma once

#include <QRect>

constexpr int Px(int twips) {
    return twips / 15;
}

constexpr QRect TwipsRect(int left, int top, int width, int height) {
    return QRect(Px(left), Px(top), Px(width), Px(height));
}
