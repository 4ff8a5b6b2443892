// RoomCell: one window of the building; its caption is the room number, never readable.
#pragma once

#include "game/colours.h"
#include "game/key_press.h"
#include "game/room.h"

#include <windows.h>

// A window of the game's own that behaves as a push button: it takes the focus, and a press is
// the left button pressed and released inside it, or Enter or Space as the window's KeyPress
// counts them; a disabled cell does nothing. It paints nothing but
// its back colour, whatever its state, so no look ever shows the room number or which rooms
// were tried, and a cell disabled with its window looks as it did. A press comes to the main
// window as a button's click (WM_COMMAND, BN_CLICKED, with the cell's id).
//
// Screen readers know it as a push button named by its room: RoomAccessible for Microsoft
// Active Accessibility, RoomProvider for UI Automation. Unlike a BUTTON window it needs nothing
// of Common Controls, so the game starts without them.
class RoomCell {
public:
    // What the main window hears of a cell besides its presses.
    class Listener {
    public:
        // An arrow key asks for the neighbouring room.
        virtual void StepFrom(const RoomCell& cell, Arrow arrow) = 0;
        // Tab and Shift+Tab: the next or the previous room in index order.
        virtual void TabFrom(const RoomCell& cell, bool backwards) = 0;
        // A key or a mouse button went down on a cell, or the focus came or went.
        virtual void InputSeen(bool keyboard) = 0;
        virtual void FocusChanged() = 0;

    protected:
        ~Listener() = default;
    };

    // The window is a child of the main window and goes with it.
    RoomCell() = default;
    RoomCell(const RoomCell&) = delete;
    RoomCell& operator=(const RoomCell&) = delete;

    // keys: the one count of Enter and Space presses that all cells of the window share.
    void Create(HWND parent, HINSTANCE instance, int id, Room room, Listener& listener,
                KeyPress& keys);
    HWND Handle() const { return m_hwnd; }

    // The room the cell stands for, known by the index it was made with.
    int Index() const { return m_index; }
    Room TheRoom() const { return Room::AtIndex(m_index); }

    void SetColours(Colour back, Colour text);

private:
    template <typename Owner> friend LRESULT CALLBACK RouteToOwner(HWND, UINT, WPARAM, LPARAM);
    void Attach(HWND hwnd) { m_hwnd = hwnd; }
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool OnKey(WPARAM virtualKey, LPARAM flags);
    void MouseDown();
    void MouseUp(POINT at);
    // Forgets a press begun by the mouse or Space, which then ends in nothing.
    void CancelPress();
    void Press();
    void Paint();
    LRESULT Answer(WPARAM wParam, LPARAM lParam);

    HWND m_hwnd = nullptr;
    int m_id = 0;
    int m_index = 0;
    Colour m_back = Colours::kCellIdle;
    Listener* m_listener = nullptr;
    KeyPress* m_keys = nullptr;
    bool m_mouseDown = false;
    // UI Automation has been handed a provider for this cell, and is told when the cell goes.
    bool m_providerGiven = false;
};
