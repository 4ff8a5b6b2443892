// RoomCell: one window of the building; its caption is the room number, never readable.
#pragma once

#include "game/colours.h"

#include <QAbstractButton>

// A button, so that it clicks like one (left button only, pressed and released inside), takes
// the keyboard focus, presses with Space, and is known to assistive technology as a push button
// whose press action visits the room. It paints nothing but its back colour, whatever the style
// or its state, so no look ever shows the room number or which rooms were tried.
class RoomCell final : public QAbstractButton {
    Q_OBJECT

public:
    RoomCell(int roomNumber, QWidget* parent);

    int RoomNumber() const { return text().toInt(); }
    int Column() const { return RoomNumber() / 10; }
    int Floor() const { return RoomNumber() % 10; }
    void SetColours(Colour back, Colour text);

signals:
    // An arrow key asks for the neighbouring room: columnStep -1 is left, floorStep 1 is up.
    void stepRequested(int columnStep, int floorStep);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    Colour m_back = Colours::kCellIdle;
};
