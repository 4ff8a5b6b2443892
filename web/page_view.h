// PageView: the game's screen operations, played back by the page.
#pragma once

#include "game/game_view.h"

class PagePlayback;

// Each operation is written down as the page's call for it, to be made in the order the game made
// them, after the boxes before it have been answered (PagePlayback).
class PageView final : public GameView {
public:
    explicit PageView(PagePlayback& playback)
        : playback_(playback) {}

    void SetCellColours(int cell, Colour back, Colour text) override;
    void SetBackground(Colour colour) override;
    void SetMainWindowEnabled(bool enabled) override;
    void ShowContinueDialog() override;
    void FocusRoom(int cell) override;
    void ShowNames(const MainWindow::Names& names) override;

private:
    PagePlayback& playback_;
};
