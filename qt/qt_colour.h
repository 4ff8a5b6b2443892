// The game's colours (blue in the high byte) as Qt colours.
#pragma once

#include "game/colours.h"

#include <QColor>

inline QColor ToQColor(Colour c) {
    return QColor(Colours::Red(c), Colours::Green(c), Colours::Blue(c));
}
