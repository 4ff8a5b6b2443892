// Window classes: each of the game's own windows is an object whose member handles its messages.
#pragma once

#include "win32/guarded.h"

#include <windows.h>

// Registers a window class of this program once; later calls find it registered.
inline void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure,
                                HBRUSH background = nullptr) {
    WNDCLASSW wc{};
    if (GetClassInfoW(instance, name, &wc))
        return;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = name;
    RegisterClassW(&wc);
}

// The control of window that has the keyboard focus, or null. Windows gives a deactivated
// window's focus to no one in particular; the game's windows keep it to give it back.
inline HWND FocusedChild(HWND window) {
    HWND focused = GetFocus();
    return focused && IsChild(window, focused) ? focused : nullptr;
}

// The window procedure of a class whose windows are created with their owning object as the
// creation parameter: it hands every message to Owner::OnMessage, and tells the owner its window
// (Owner::Attach) when it is created and again, as null, once it is gone.
template <typename Owner>
LRESULT CALLBACK RouteToOwner(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return Guarded([=]() -> LRESULT {
        if (message == WM_NCCREATE) {
            auto* owner =
                static_cast<Owner*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
            owner->Attach(hwnd);
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        }
        auto* owner = reinterpret_cast<Owner*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (!owner)
            return DefWindowProcW(hwnd, message, wParam, lParam);
        if (message == WM_NCDESTROY) {
            SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
            owner->Attach(nullptr);
            return DefWindowProcW(hwnd, message, wParam, lParam);
        }
        return owner->OnMessage(message, wParam, lParam);
    });
}
