// PageView: the game's screen operations, carried out by the page.
#pragma once

#include "game/game_view.h"

// Each operation is one call of the page's script; none of them waits.
class PageView final : public GameView {
public:
    void SetCellColours(int cell, Colour back, Colour text) override;
    void SetBackground(Colour colour) override;
    void SetMainWindowEnabled(bool enabled) override;
    void ShowContinueDialog() override;
    void FocusRoom(int cell) override;
};
