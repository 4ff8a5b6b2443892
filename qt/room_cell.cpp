// RoomCell: one window of the building; its caption is the room number, never readable.
#include "qt/room_cell.h"

#include "qt/qt_colour.h"
#include "qt/qt_key.h"

#include <QKeyEvent>
#include <QPainter>

RoomCell::RoomCell(int index, QWidget* parent)
    : QAbstractButton(parent)
    , m_index(index) {
    const Room room = TheRoom();
    setText(QString::fromStdString(room.Caption()));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAccessibleName(QString::fromStdString(room.AccessibleName()));
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

void RoomCell::keyPressEvent(QKeyEvent* event) {
    switch (KeyOf(*event)) {
    case Key::Left:
        emit stepRequested(Arrow::Left);
        break;
    case Key::Right:
        emit stepRequested(Arrow::Right);
        break;
    case Key::Up:
        emit stepRequested(Arrow::Up);
        break;
    case Key::Down:
        emit stepRequested(Arrow::Down);
        break;
    default:
        // Enter and Space are the window's to route (they never come here); anything else goes
        // on to the window (F10, Tab).
        QAbstractButton::keyPressEvent(event);
        return;
    }
    event->accept();
}
