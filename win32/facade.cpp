// Facade: the silver front of the building, behind the room cells.
#include "win32/facade.h"

#include "game/colours.h"
#include "game/focus_frame.h"
#include "game/main_window.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

namespace {
const wchar_t kClassName[] = L"QuvFacade";
} // namespace

void Facade::Create(HWND parent, HINSTANCE instance) {
    RegisterWindowClass(instance, kClassName, RouteToOwner<Facade>);
    // Clipped by its siblings: the cells lie above it and it never paints over them. Its text is
    // never drawn; it is what a screen reader calls it.
    CreateWindowExW(0, kClassName, Widen(MainWindow::kFacadeName).c_str(),
                    WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent, nullptr, instance,
                    this);
}

void Facade::SetMark(const PixelRect& around, int dpi, Colour colour) {
    if (around == m_mark && dpi == m_dpi && colour == m_colour)
        return;
    m_mark = around;
    m_dpi = dpi;
    m_colour = colour;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateWindow(m_hwnd);
}

void Facade::Paint(HDC dc) const {
    RECT all;
    GetClientRect(m_hwnd, &all);
    HBRUSH silver = CreateSolidBrush(Colours::kFacade);
    FillRect(dc, &all, silver);
    DeleteObject(silver);
    if (m_mark.width <= 0 || m_mark.height <= 0)
        return;
    HBRUSH mark = CreateSolidBrush(m_colour);
    for (const PixelRect& side : FocusFrame::Sides(m_mark, m_dpi)) {
        const RECT r{side.left, side.top, side.Right(), side.Bottom()};
        FillRect(dc, &r, mark);
    }
    DeleteObject(mark);
}

LRESULT Facade::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT, so it never flickers white
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(m_hwnd, &ps);
        Paint(dc);
        EndPaint(m_hwnd, &ps);
        return 0;
    }
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}
