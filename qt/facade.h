// Facade: the silver front of the building, behind the room cells.
#pragma once

#include <QLabel>

// It reacts to nothing. While a keyboard player moves between rooms it draws a frame around
// the room that has the focus: on the facade, never on the cell, so a cell keeps its one
// colour and the mark tells nothing about rooms already tried.
class Facade final : public QLabel {
    Q_OBJECT

public:
    explicit Facade(QWidget* parent);

    // around: the room's cell in the facade's coordinates; an empty rectangle removes the mark.
    void SetMark(const QRect& around);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect m_mark;
};
