// GameView: the screen operations the game core calls and the windows supply.
#pragma once

#include "game/colours.h"
#include "game/main_window.h"

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
    // Gives the keyboard focus to the room of cell 0..24: the player goes on from the room just
    // visited once its boxes have closed, and from there again when the window is given back.
    virtual void FocusRoom(int cell) = 0;
    // Tells assistive technology the suspect sought: before every box, so that a screen reader
    // reading the window or the building while it shows hears the suspect that box is about
    // (none during the mission's closing boxes and the continue dialog), and after every action.
    // The names may be the same as last time.
    virtual void ShowNames(const MainWindow::Names& names) = 0;
};
