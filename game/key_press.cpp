// KeyPress: which key presses press a room or a dialog button.
#include "game/key_press.h"

bool KeyPress::Down(Key key, bool repeat, int control) {
    if (repeat)
        return false;
    if (key == Key::Enter)
        return true;
    m_spaceDownOn = control;
    return false;
}

bool KeyPress::Up(Key key, bool repeat, int control) {
    if (key != Key::Space || repeat)
        return false;
    // A Space released on another control (the focus moved while it was held) presses nothing.
    const bool pressed = m_spaceDownOn == control && control != kNone;
    m_spaceDownOn = kNone;
    return pressed;
}
