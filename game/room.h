// Room: one of the building's 25 rooms, and the cell on the screen that stands for it.
#pragma once

#include "game/twips.h"

#include <string>

// The arrow keys a keyboard player moves between rooms with.
enum class Arrow { Left, Right, Up, Down };

// A room is known by three numbers that must always agree: its cell's index (0 is the top-left
// cell, counting left to right and then down a floor), its column and floor (both 1..5, from the
// left and from the ground), and its room number, column * 10 + floor, which is the cell's
// caption and the form the game compares hiding places in.
class Room {
public:
    static constexpr int kColumns = 5;
    static constexpr int kFloors = 5;
    static constexpr int kCount = kColumns * kFloors;

    // index must be 0..kCount-1; column and floor 1..5; a room number two such digits.
    // Anything else is a programming error: std::out_of_range.
    static Room AtIndex(int index);
    static Room Numbered(int roomNumber);

    // What assistive technology calls a room's one action, the visit.
    static constexpr const char* kPressAction = "押す";

    int Index() const { return kColumns * (kFloors - m_floor) + (m_column - 1); }
    int Column() const { return m_column; }
    int Floor() const { return m_floor; }
    int Number() const { return m_column * 10 + m_floor; }
    // The cell's caption, the room number's two digits; never shown, but read back by the game.
    std::string Caption() const;
    // What assistive technology calls the room: its number, then where it is, e.g.
    // "32号室 3列目 2階".
    std::string AccessibleName() const;
    // The cell in the main window's client area.
    TwipsRect Place() const;
    // Where the focus goes on tab: the cells come in index order, the facade before them.
    int TabPosition() const { return Index() + 1; }

    // The room an arrow key leads to; the walls of the building stop it, so at a wall it is the
    // room itself.
    Room Neighbour(Arrow arrow) const;
    // Tab and Shift+Tab walk the rooms in index order, round from the last to the first.
    Room NextInTabOrder(bool backwards) const;

    bool operator==(const Room&) const = default;

private:
    Room(int column, int floor);

    int m_column;
    int m_floor;
};
