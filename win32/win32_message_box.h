// Win32MessageBox: the game's texts in the system's modal OK-only boxes, titled "QUV".
#pragma once

#include "game/message_box_service.h"

#include <windows.h>

#include <functional>

class Win32MessageBox final : public MessageBoxService {
public:
    // owner names the game's window that a box belongs to at the moment it opens: the box opens
    // over it and disables it until OK. Without one the box would belong to no window at all.
    void SetOwner(std::function<HWND()> owner) { m_owner = std::move(owner); }
    HWND Owner() const { return m_owner ? m_owner() : nullptr; }

    void Show(const std::string& text) override;

private:
    std::function<HWND()> m_owner;
};
