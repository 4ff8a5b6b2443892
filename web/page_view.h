// PageView: the game's screen operations, carried out by the page.
#pragma once

#include "game/game_view.h"
#include "game/twips.h"

// Each operation is one call of the page's script; none of them waits.
class PageView final : public GameView {
public:
    void SetCellColours(int cell, Colour back, Colour text) override;
    void SetBackground(Colour colour) override;
    void SetMainWindowEnabled(bool enabled) override;
    void ShowContinueDialog() override;
    void FocusRoom(int cell) override;
    void ShowNames(const MainWindow::Names& names) override;

    // The page lays its window out at dpi; the dialog opens at the same.
    void SetDpi(int dpi) { dpi_ = dpi; }

private:
    int dpi_ = kDesignDpi;
};
