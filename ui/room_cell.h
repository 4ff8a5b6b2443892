// RoomCell: one window of the building; its caption is the room number, never readable.
#pragma once

#include "game/colours.h"

#include <QAbstractButton>

// A button so that it clicks like one (left button only, pressed and released inside) and is
// known to assistive technology as one. It paints nothing but its back colour, whatever the
// style or its state, so no look ever shows the room number or which rooms were tried.
class RoomCell final : public QAbstractButton {
    Q_OBJECT

public:
    RoomCell(int roomNumber, QWidget* parent);

    int RoomNumber() const { return text().toInt(); }
    void SetColours(Colour back, Colour text);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Colour m_back = Colours::kCellIdle;
};
