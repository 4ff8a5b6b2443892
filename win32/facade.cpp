// Facade: the silver front of the building, behind the room cells.
#include "win32/facade.h"

#include "game/colours.h"

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
    WNDCLASSW wc{};
    if (!GetClassInfoW(instance, kClassName, &wc)) {
        wc.lpfnWndProc = WindowProc;
        wc.hInstance = instance;
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        RegisterClassW(&wc);
    }
    // Clipped by its siblings: the cells lie above it and it never paints over them.
    m_hwnd = CreateWindowExW(0, kClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS, 0, 0, 0,
                             0, parent, nullptr, instance, nullptr);
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
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

LRESULT CALLBACK Facade::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    const auto* self = reinterpret_cast<const Facade*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    switch (message) {
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT, so it never flickers white
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd, &ps);
        if (self)
            self->Paint(dc);
        EndPaint(hwnd, &ps);
        return 0;
    }
    default:
        return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}
