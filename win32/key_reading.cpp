// Key reading: a key message's virtual key in the game's own terms.
#include "win32/key_reading.h"

Key ReadKey(WPARAM virtualKey) {
    switch (virtualKey) {
    case VK_RETURN:
        return Key::Enter;
    case VK_SPACE:
        return Key::Space;
    case VK_ESCAPE:
        return Key::Escape;
    case VK_TAB:
        return Key::Tab;
    case VK_F10:
        return Key::F10;
    case VK_LEFT:
        return Key::Left;
    case VK_RIGHT:
        return Key::Right;
    case VK_UP:
        return Key::Up;
    case VK_DOWN:
        return Key::Down;
    default:
        return Key::Other;
    }
}
