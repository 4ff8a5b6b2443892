// PageMessageBox: the game's texts in the page's modal box, with the game's title and only OK.
#pragma once

#include "game/message_box_service.h"

// Show suspends the module until the player has pressed OK; the page makes no other call into the
// module meanwhile.
class PageMessageBox final : public MessageBoxService {
public:
    void Show(const std::string& text) override;
};
