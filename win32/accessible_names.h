// AccessibleNames: what a screen reader calls a control, where its caption says something else.
#pragma once

#include <windows.h>

#include <string>

struct IAccPropServices;

// A room's caption is its number, which the game needs and never shows; a screen reader should
// say "32号室 3列目 2階" instead. Windows lets a program annotate a control's accessible name
// and role without writing its own accessibility server.
class AccessibleNames {
public:
    AccessibleNames();
    ~AccessibleNames();
    AccessibleNames(const AccessibleNames&) = delete;
    AccessibleNames& operator=(const AccessibleNames&) = delete;

    // Names control and makes it known as a push button; false where the system has no such
    // service (then the screen reader reads the caption).
    bool Name(HWND control, const std::wstring& name);
    // Before control is destroyed: the annotations must not outlive it.
    void Forget(HWND control);

private:
    IAccPropServices* m_services = nullptr;
    bool m_comStarted = false;
};
