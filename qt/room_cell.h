// RoomCell: one window of the building; its caption is the room number, never readable.
#pragma once

#include "game/colours.h"
#include "game/room.h"

#include <QAbstractButton>

// A button, so that it clicks like one (left button only, pressed and released inside), takes
// the keyboard focus, and is known to assistive technology as a push button
// whose press action visits the room. It paints nothing but its back colour, whatever the style
// or its state, so no look ever shows the room number or which rooms were tried.
class RoomCell final : public QAbstractButton {
    Q_OBJECT

public:
    // The cell of the room at index.
    RoomCell(int index, QWidget* parent);

    Room TheRoom() const { return Room::AtIndex(m_index); }
    void SetColours(Colour back, Colour text);

signals:
    // An arrow key asks for the neighbouring room.
    void stepRequested(Arrow arrow);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int m_index;
    Colour m_back = Colours::kCellIdle;
};
