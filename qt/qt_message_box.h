// QtMessageBox: the game's texts in modal OK-only boxes titled with the application's name.
#pragma once

#include "game/message_box_service.h"

#include <functional>

class QWidget;

class QtMessageBox final : public MessageBoxService {
public:
    // owner names the game's window that a box belongs to at the moment it opens. Asking the
    // system which window is active is no answer: on X11 activation is asynchronous, so right
    // after a box closes, or while another program has the focus, there is none.
    void SetOwner(std::function<QWidget*()> owner) { m_owner = std::move(owner); }

    void Show(const std::string& text) override;

private:
    std::function<QWidget*()> m_owner;
};
