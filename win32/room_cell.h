// RoomCell: one window of the building; its caption is the room number, never readable.
#pragma once

#include "game/colours.h"
#include "game/room.h"

#include <windows.h>

// A push button drawn by its owner, so that it clicks like one (left button only, pressed and
// released inside, Space), takes the keyboard focus and is known to assistive technology as a
// push button named by its room (RoomAccessible). It paints nothing but its back colour, whatever
// its state, so no look ever shows the room number or which rooms were tried, and a cell
// disabled with its window looks as it did.
class RoomCell {
public:
    // What the main window hears of a cell besides its clicks (which come as WM_COMMAND).
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

    void Create(HWND parent, HINSTANCE instance, int id, Room room, Listener& listener);
    HWND Handle() const { return m_hwnd; }
    int Id() const { return m_id; }

    // The caption read back as a number, as the game reads a room.
    int RoomNumber() const;
    Room TheRoom() const { return Room::Numbered(RoomNumber()); }

    void SetColours(Colour back, Colour text);
    Colour Back() const { return m_back; }
    void Draw(const DRAWITEMSTRUCT& item) const;

private:
    static LRESULT CALLBACK Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                     UINT_PTR id, DWORD_PTR self);
    bool OnKey(WPARAM key, LPARAM flags);

    HWND m_hwnd = nullptr;
    int m_id = 0;
    Colour m_back = Colours::kCellIdle;
    Listener* m_listener = nullptr;
};
