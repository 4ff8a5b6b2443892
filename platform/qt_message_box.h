// QtMessageBox: the game's texts in modal OK-only boxes titled with the application's name.
#pragma once

#include "platform/message_box_service.h"

class QtMessageBox final : public MessageBoxService {
public:
    void Show(const std::string& text) override;
};
