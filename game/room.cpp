// Room: one of the building's 25 rooms, and the cell on the screen that stands for it.
#include "game/room.h"

#include <algorithm>
#include <stdexcept>

namespace {
// Where the top-left cell sits, how far apart the cells are, and their size.
constexpr int kFirstLeft = 960;
constexpr int kFirstTop = 1080;
constexpr int kColumnPitch = 600;
constexpr int kFloorPitch = 720;
constexpr int kCellWidth = 375;
constexpr int kCellHeight = 495;

bool InBuilding(int column, int floor) {
    return column >= 1 && column <= Room::kColumns && floor >= 1 && floor <= Room::kFloors;
}
} // namespace

Room::Room(int column, int floor)
    : m_column(column)
    , m_floor(floor) {
    if (!InBuilding(column, floor))
        throw std::out_of_range("no such room in the building");
}

Room Room::AtIndex(int index) {
    if (index < 0 || index >= kCount)
        throw std::out_of_range("no such cell");
    return Room(index % kColumns + 1, kFloors - index / kColumns);
}

Room Room::Numbered(int roomNumber) {
    return Room(roomNumber / 10, roomNumber % 10);
}

std::string Room::Caption() const {
    return std::to_string(Number());
}

std::string Room::AccessibleName() const {
    return Caption() + "号室 " + std::to_string(m_column) + "列目 " + std::to_string(m_floor) +
           "階";
}

TwipsRect Room::Place() const {
    return {kFirstLeft + kColumnPitch * (m_column - 1),
            kFirstTop + kFloorPitch * (kFloors - m_floor), kCellWidth, kCellHeight};
}

Room Room::Neighbour(Arrow arrow) const {
    const int columnStep = arrow == Arrow::Left ? -1 : arrow == Arrow::Right ? 1 : 0;
    const int floorStep = arrow == Arrow::Down ? -1 : arrow == Arrow::Up ? 1 : 0;
    return Room(std::clamp(m_column + columnStep, 1, kColumns),
                std::clamp(m_floor + floorStep, 1, kFloors));
}

Room Room::NextInTabOrder(bool backwards) const {
    return AtIndex((Index() + (backwards ? kCount - 1 : 1)) % kCount);
}
