// FocusFrame: the frame that shows a keyboard player which room has the focus.
#include "game/focus_frame.h"

namespace {
constexpr int kGap = 15;   // twips of facade between the cell and the frame
constexpr int kWidth = 30; // twips
} // namespace

std::array<PixelRect, 4> FocusFrame::Sides(PixelRect cell, int dpi) {
    const int width = Pixels(kWidth, dpi);
    const int outer = Pixels(kGap, dpi) + width;
    const PixelRect f{cell.left - outer, cell.top - outer, cell.width + 2 * outer,
                      cell.height + 2 * outer};
    return {{
        {f.left, f.top, f.width, width},
        {f.left, f.Bottom() - width, f.width, width},
        {f.left, f.top, width, f.height},
        {f.Right() - width, f.top, width, f.height},
    }};
}
