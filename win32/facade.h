// Facade: the silver front of the building, behind the room cells.
#pragma once

#include "game/colours.h"
#include "game/twips.h"

#include <windows.h>

// It reacts to nothing. While a keyboard player moves between rooms it draws the focus frame
// (FocusFrame) around the room that has the focus.
class Facade {
public:
    // The window is a child of the main window and goes with it.
    Facade() = default;
    Facade(const Facade&) = delete;
    Facade& operator=(const Facade&) = delete;

    void Create(HWND parent, HINSTANCE instance);
    HWND Handle() const { return m_hwnd; }

    // around: the room's cell in the facade's coordinates; an empty rectangle removes the mark.
    // dpi scales the frame with the rest of the building; colour is the frame's.
    void SetMark(const PixelRect& around, int dpi, Colour colour);

private:
    template <typename Owner> friend LRESULT CALLBACK RouteToOwner(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND hwnd) { m_hwnd = hwnd; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) const;

    HWND m_hwnd = nullptr;
    PixelRect m_mark{};
    int m_dpi = kDesignDpi;
    Colour m_colour = Colours::kFocusFrame;
};
