// Facade: the silver front of the building, behind the room cells.
#include "win32/facade.h"

#include "game/colours.h"
#include "win32/window_class.h"

namespace {
const wchar_t kClassName[] = L"QuvFacade";
// Neither blue, black nor silver: it can't be mistaken for a window of the building.
constexpr COLORREF kMarkColour = RGB(0xC0, 0x00, 0x00);
constexpr int kMarkGap = 1;   // silver left between the cell and the frame, at 96 dpi
constexpr int kMarkWidth = 2; // thickness of the frame, at 96 dpi

void Fill(HDC dc, int left, int top, int right, int bottom, HBRUSH brush) {
    const RECT r{left, top, right, bottom};
    FillRect(dc, &r, brush);
}
} // namespace

void Facade::Create(HWND parent, HINSTANCE instance) {
    RegisterWindowClass(instance, kClassName, RouteToOwner<Facade>);
    // Clipped by its siblings: the cells lie above it and it never paints over them.
    CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                    nullptr, instance, this);
}

void Facade::SetMark(const RECT& around, int dpi) {
    if (EqualRect(&around, &m_mark) && dpi == m_dpi)
        return;
    m_mark = around;
    m_dpi = dpi;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateWindow(m_hwnd);
}

void Facade::Paint(HDC dc) const {
    RECT all;
    GetClientRect(m_hwnd, &all);
    HBRUSH silver = CreateSolidBrush(Colours::kFacade);
    FillRect(dc, &all, silver);
    DeleteObject(silver);
    if (IsRectEmpty(&m_mark))
        return;

    const int gap = MulDiv(kMarkGap, m_dpi, 96);
    const int width = MulDiv(kMarkWidth, m_dpi, 96);
    const int outer = gap + width;
    const RECT f{m_mark.left - outer, m_mark.top - outer, m_mark.right + outer,
                 m_mark.bottom + outer};
    HBRUSH mark = CreateSolidBrush(kMarkColour);
    Fill(dc, f.left, f.top, f.right, f.top + width, mark);
    Fill(dc, f.left, f.bottom - width, f.right, f.bottom, mark);
    Fill(dc, f.left, f.top, f.left + width, f.bottom, mark);
    Fill(dc, f.right - width, f.top, f.right, f.bottom, mark);
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
