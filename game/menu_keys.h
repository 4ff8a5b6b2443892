// MenuKeys: how the menu bar is operated from the keyboard.
#pragma once

#include "game/key.h"

// Inside the bar the toolkit's own menu keys move along it and open the score menu; what is the
// game's is the way in and the way out. F10 takes the keys into the bar, on its first item; F10
// again, or Escape once no submenu is open, leaves it, and so does a choice made there. Leaving,
// the keys go back to the room they came from, or to the room the game goes on from when they
// came from none, so a keyboard player is never left on a bar with nothing highlighted.
class MenuKeys {
public:
    enum class Step { None, Enter, CloseSubmenu, Leave };

    // A key that went down in the main window. inBar: the bar has the keys; modified: Shift,
    // Ctrl, Alt or the system key is held.
    static Step OnKey(Key key, bool modified, bool inBar, bool submenuOpen);

    // The keys went into the bar from the room of cell (-1: from no room).
    void Entered(int cell) { m_from = cell; }
    // The keys leave the bar: the cell they go back to, home if they came from no room.
    int Leave(int home);

private:
    int m_from = -1;
};
