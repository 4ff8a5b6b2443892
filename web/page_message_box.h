// PageMessageBox: the game's texts in the page's modal box, with the game's title and only OK.
#pragma once

#include "game/message_box_service.h"

class PagePlayback;

// Show returns at once: the box is written down for the page, which opens it in its turn, with
// the window's names as they stand now, and plays nothing after it until the player has pressed
// OK (PagePlayback).
class PageMessageBox final : public MessageBoxService {
public:
    explicit PageMessageBox(PagePlayback& playback)
        : playback_(playback) {}

    void Show(const std::string& text) override;

private:
    PagePlayback& playback_;
};
