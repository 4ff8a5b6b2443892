// QtKey: Qt's key events read into the game's own keys.
#pragma once

#include "game/key.h"

#include <QKeyEvent>

// Return and the keypad's Enter are one key to the game; Qt brings Shift+Tab as Backtab.
inline Key KeyOf(const QKeyEvent& event) {
    switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return Key::Enter;
    case Qt::Key_Space:
        return Key::Space;
    case Qt::Key_Escape:
        return Key::Escape;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return Key::Tab;
    case Qt::Key_F10:
        return Key::F10;
    case Qt::Key_Left:
        return Key::Left;
    case Qt::Key_Right:
        return Key::Right;
    case Qt::Key_Up:
        return Key::Up;
    case Qt::Key_Down:
        return Key::Down;
    default:
        return Key::Other;
    }
}

inline bool ShiftHeld(const QKeyEvent& event) {
    return event.key() == Qt::Key_Backtab || event.modifiers().testFlag(Qt::ShiftModifier);
}

// Shift, Ctrl, Alt or the system key; the keypad's own flag is no modifier.
inline bool Modified(const QKeyEvent& event) {
    return (event.modifiers() &
            (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}
