// Facade: the silver front of the building, behind the room cells.
#include "qt/facade.h"

#include "game/focus_frame.h"
#include "qt/qt_colour.h"
#include "qt/qt_geometry.h"

#include <QPainter>

Facade::Facade(QWidget* parent)
    : QLabel(parent) {
    setAutoFillBackground(true);
    QPalette silver = palette();
    silver.setColor(QPalette::Window, ToQColor(Colours::kFacade));
    setPalette(silver);
}

void Facade::SetMark(const QRect& around) {
    if (around == m_mark)
        return;
    m_mark = around;
    update();
}

void Facade::paintEvent(QPaintEvent* event) {
    QLabel::paintEvent(event);
    if (m_mark.isEmpty())
        return;
    QPainter painter(this);
    const PixelRect cell{m_mark.x(), m_mark.y(), m_mark.width(), m_mark.height()};
    for (const PixelRect& side : FocusFrame::Sides(cell, kDesignDpi))
        painter.fillRect(ToQRect(side), ToQColor(Colours::kFocusFrame));
}
