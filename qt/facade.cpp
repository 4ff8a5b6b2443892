// Facade: the silver front of the building, behind the room cells.
#include "qt/facade.h"

#include "qt/qt_colour.h"

#include <QPainter>

namespace {
// Neither blue, black nor silver: it can't be mistaken for a window of the building.
const QColor kMarkColour(0xC0, 0x00, 0x00);
constexpr int kMarkGap = 1;   // silver left between the cell and the frame
constexpr int kMarkWidth = 2; // thickness of the frame
} // namespace

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
    const int outer = kMarkGap + kMarkWidth;
    const QRect frame = m_mark.adjusted(-outer, -outer, outer, outer);
    QPainter painter(this);
    painter.fillRect(frame.x(), frame.y(), frame.width(), kMarkWidth, kMarkColour);
    painter.fillRect(frame.x(), frame.bottom() - kMarkWidth + 1, frame.width(), kMarkWidth,
                     kMarkColour);
    painter.fillRect(frame.x(), frame.y(), kMarkWidth, frame.height(), kMarkColour);
    painter.fillRect(frame.right() - kMarkWidth + 1, frame.y(), kMarkWidth, frame.height(),
                     kMarkColour);
}
