// GameView: the screen operations the game core calls and the windows supply.
#pragma once

#include "game/colours.h"

class GameView {
public:
    virtual ~GameView() = default;

    // cell is 0..24; both colours take effect at once.
    virtual void SetCellColours(int cell, Colour back, Colour text) = 0;
    virtual void SetBackground(Colour colour) = 0;
    // While disabled, the main window takes no clicks, no menu choices and cannot be closed.
    virtual void SetMainWindowEnabled(bool enabled) = 0;
    // Shows the continue dialog modeless and returns at once.
    virtual void ShowContinueDialog() = 0;
};
