// RoomCell: one window of the building; its caption is the room number, never readable.
#include "ui/room_cell.h"

#include "ui/qt_colour.h"

#include <QPainter>

RoomCell::RoomCell(int roomNumber, QWidget* parent)
    : QAbstractButton(parent) {
    setText(QString::number(roomNumber));
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RoomCell::SetColours(Colour back, Colour /*text*/) {
    // The caption is never drawn, so the text colour (always the back colour) has nothing to
    // paint; only the back colour shows.
    m_back = back;
    update();
}

void RoomCell::paintEvent(QPaintEvent* /*event*/) {
    QPainter(this).fillRect(rect(), ToQColor(m_back));
}
