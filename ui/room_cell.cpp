// RoomCell: one window of the building; its caption is the room number, never readable.
#include "ui/room_cell.h"

#include "ui/qt_colour.h"

#include <QMouseEvent>

RoomCell::RoomCell(int roomNumber, QWidget* parent)
    : QLabel(QString::number(roomNumber), parent) {
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    SetColours(Colours::kCellIdle, Colours::kCellIdle);
}

void RoomCell::SetColours(Colour back, Colour text) {
    QPalette p = palette();
    p.setColor(QPalette::Window, ToQColor(back));
    p.setColor(QPalette::WindowText, ToQColor(text));
    setPalette(p);
}

void RoomCell::mousePressEvent(QMouseEvent* event) {
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void RoomCell::mouseReleaseEvent(QMouseEvent* event) {
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        emit clicked();
}
