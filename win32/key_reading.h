// Key reading: a key message's virtual key in the game's own terms.
#pragma once

#include "game/key.h"

#include <windows.h>

// The keys a window of the game is operated with; every other key is Key::Other. The numeric
// pad's Enter and arrows (with Num Lock off) come as the same virtual keys.
Key ReadKey(WPARAM virtualKey);
