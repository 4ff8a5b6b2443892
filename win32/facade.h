// Facade: the silver front of the building, behind the room cells.
#pragma once

#include <windows.h>

// It reacts to nothing. While a keyboard player moves between rooms it draws a frame around
// the room that has the focus: on the facade, never on the cell, so a cell keeps its one
// colour and the mark tells nothing about rooms already tried.
class Facade {
public:
    // The window is a child of the main window and goes with it.
    Facade() = default;
    Facade(const Facade&) = delete;
    Facade& operator=(const Facade&) = delete;

    void Create(HWND parent, HINSTANCE instance);
    HWND Handle() const { return m_hwnd; }

    // around: the room's cell in the facade's coordinates; an empty rectangle removes the mark.
    // dpi scales the frame with the rest of the building.
    void SetMark(const RECT& around, int dpi);
    const RECT& Mark() const { return m_mark; }

private:
    template <typename Owner> friend LRESULT CALLBACK RouteToOwner(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND hwnd) { m_hwnd = hwnd; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc) const;

    HWND m_hwnd = nullptr;
    RECT m_mark{};
    int m_dpi = 96;
};
