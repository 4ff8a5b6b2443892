// The core's pixel rectangles and sizes as Qt's.
#pragma once

#include "game/twips.h"

#include <QRect>
#include <QSize>

// Qt lays widgets out in its own device-independent pixels and scales them for the screen, so
// the game's layout is converted at the resolution it was drawn for.
inline QRect ToQRect(PixelRect r) {
    return QRect(r.left, r.top, r.width, r.height);
}
inline QSize ToQSize(PixelSize s) {
    return QSize(s.width, s.height);
}
inline QRect LayoutRect(TwipsRect twips) {
    return ToQRect(Pixels(twips, kDesignDpi));
}
