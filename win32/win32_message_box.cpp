// Win32MessageBox: the game's texts in the system's modal OK-only boxes, titled "QUV".
#include "win32/win32_message_box.h"

#include "win32/wide_text.h"

#include <algorithm>

namespace {
// The system centres a box on the screen. Wherever the player has put the game, its boxes open
// over it instead, as its dialog does: a hook moves the box as it is activated, once.
HHOOK g_hook = nullptr; // a hook procedure is a plain function
HWND g_owner = nullptr;

LRESULT CALLBACK CentreOverOwner(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_ACTIVATE && g_owner) {
        const auto box = reinterpret_cast<HWND>(wParam);
        RECT owner, own;
        GetWindowRect(g_owner, &owner);
        GetWindowRect(box, &own);
        const int width = own.right - own.left;
        const int height = own.bottom - own.top;
        // Whole on the owner's monitor, even for a game window pushed into a corner.
        MONITORINFO monitor{};
        monitor.cbSize = sizeof monitor;
        GetMonitorInfoW(MonitorFromWindow(g_owner, MONITOR_DEFAULTTONEAREST), &monitor);
        const RECT& work = monitor.rcWork;
        int x = (owner.left + owner.right - width) / 2;
        int y = (owner.top + owner.bottom - height) / 2;
        x = std::max(static_cast<int>(work.left),
                     std::min(x, static_cast<int>(work.right) - width));
        y = std::max(static_cast<int>(work.top),
                     std::min(y, static_cast<int>(work.bottom) - height));
        SetWindowPos(box, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        g_owner = nullptr;
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}
} // namespace

void Win32MessageBox::Show(const std::string& text) {
    HWND owner = Owner();
    g_owner = owner;
    g_hook = SetWindowsHookExW(WH_CBT, CentreOverOwner, nullptr, GetCurrentThreadId());
    // No icon and no sound of its own: the texts are the game's story, not warnings.
    MessageBoxW(owner, Widen(text).c_str(), Widen(kTitle).c_str(), MB_OK);
    UnhookWindowsHookEx(g_hook);
    g_hook = nullptr;
    g_owner = nullptr;
}
