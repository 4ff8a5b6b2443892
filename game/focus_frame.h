// FocusFrame: the frame that shows a keyboard player which room has the focus.
#pragma once

#include "game/twips.h"

#include <array>

// Drawn on the facade around the focused room's cell, never on the cell, so a cell keeps its one
// colour and the frame tells nothing about rooms already tried. It shows while the player uses
// the keyboard and goes when the mouse is used again: a mouse player sees the building as drawn.
class FocusFrame {
public:
    // The last key or mouse press on a room decides.
    void KeyboardUsed() { m_keyboard = true; }
    void MouseUsed() { m_keyboard = false; }

    // How the focus came to a room. The keyboard entering the building (Tab from the menu bar,
    // the keys coming back from it) shows the frame at once, a click hides it, and the game's own
    // moves (to the room visited, after ＹＥＳ) leave it as the player's last input left it.
    enum class Cause { Keyboard, Mouse, Game };
    void FocusArrived(Cause cause) {
        if (cause != Cause::Game)
            m_keyboard = cause == Cause::Keyboard;
    }

    // Whether to draw it now. alwaysShown: the system asks for focus to be shown whatever input
    // the player last used.
    bool Shown(bool roomHasFocus, bool alwaysShown = false) const {
        return roomHasFocus && (m_keyboard || alwaysShown);
    }

    // The frame's four sides around cell (in the facade's pixels) at dpi: top, bottom, left,
    // right. A gap of facade is left between the cell and the frame.
    static std::array<PixelRect, 4> Sides(PixelRect cell, int dpi);

private:
    bool m_keyboard = false;
};
