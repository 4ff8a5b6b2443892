// Facade: the silver front of the building, behind the room cells.
#pragma once

#include <QLabel>

// It reacts to nothing. While a keyboard player moves between rooms it draws the focus frame
// around the room that has the focus: on the facade, never on the cell.
class Facade final : public QLabel {
    Q_OBJECT

public:
    explicit Facade(QWidget* parent);

    // around: the room's cell in the facade's coordinates; an empty rectangle removes the frame.
    void SetMark(const QRect& around);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect m_mark;
};
