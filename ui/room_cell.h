// RoomCell: one window of the building; its caption is the room number, never readable.
#pragma once

#include "game/colours.h"

#include <QLabel>

class RoomCell final : public QLabel {
    Q_OBJECT

public:
    RoomCell(int roomNumber, QWidget* parent);

    int RoomNumber() const { return text().toInt(); }
    void SetColours(Colour back, Colour text);

signals:
    // A left-button press and release inside the cell, like a button's click.
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool m_pressed = false;
};
