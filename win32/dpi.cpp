// Dpi: the resolution a window is shown at, and window sizes for it, on every Windows since 7.
#include "win32/dpi.h"

namespace {
// The per-monitor functions came with Windows 10; looked up by name so that the program still
// starts on older systems, where the whole desktop has one resolution.
template <typename Function> Function User32(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int SystemDpi() {
    HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDesignDpi;
    ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : kDesignDpi;
}
} // namespace

int WindowDpi(HWND window) {
    using GetDpiForWindowFn = UINT(WINAPI*)(HWND);
    static const auto getDpiForWindow = User32<GetDpiForWindowFn>("GetDpiForWindow");
    if (getDpiForWindow && window) {
        if (const UINT dpi = getDpiForWindow(window))
            return static_cast<int>(dpi);
    }
    return SystemDpi();
}

PixelSize WindowSizeFor(HWND window, PixelSize client, int dpi) {
    using AdjustFn = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
    static const auto adjustForDpi = User32<AdjustFn>("AdjustWindowRectExForDpi");
    const auto style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    const BOOL menu = GetMenu(window) != nullptr;
    RECT r{0, 0, client.width, client.height};
    if (adjustForDpi)
        adjustForDpi(&r, style, menu, exStyle, static_cast<UINT>(dpi));
    else
        AdjustWindowRectEx(&r, style, menu, exStyle);
    return {r.right - r.left, r.bottom - r.top};
}

void SizeClientArea(HWND window, PixelSize client, int dpi) {
    const PixelSize size = WindowSizeFor(window, client, dpi);
    constexpr UINT kFlags = SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE;
    SetWindowPos(window, nullptr, 0, 0, size.width, size.height, kFlags);

    // What the frame really takes may differ from the estimate: a menu bar that wraps onto a
    // second line, a caption drawn for another resolution. The window grows or shrinks by that.
    RECT now;
    GetClientRect(window, &now);
    const int dx = client.width - now.right;
    const int dy = client.height - now.bottom;
    if (dx == 0 && dy == 0)
        return;
    RECT frame;
    GetWindowRect(window, &frame);
    SetWindowPos(window, nullptr, 0, 0, frame.right - frame.left + dx,
                 frame.bottom - frame.top + dy, kFlags);
}

int SystemMetric(int index, int dpi) {
    using MetricsFn = int(WINAPI*)(int, UINT);
    static const auto metricsForDpi = User32<MetricsFn>("GetSystemMetricsForDpi");
    if (metricsForDpi)
        return metricsForDpi(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

HFONT CreateUiFont(int dpi) {
    using ParametersFn = BOOL(WINAPI*)(UINT, UINT, PVOID, UINT, UINT);
    static const auto parametersForDpi = User32<ParametersFn>("SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (parametersForDpi && parametersForDpi(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0,
                                             static_cast<UINT>(dpi))) {
        return CreateFontIndirectW(&metrics.lfMessageFont);
    }
    SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, metrics.cbSize, &metrics, 0);
    // The system's metrics are for its own resolution: scale them to the window's.
    metrics.lfMessageFont.lfHeight = MulDiv(metrics.lfMessageFont.lfHeight, dpi, SystemDpi());
    return CreateFontIndirectW(&metrics.lfMessageFont);
}

LRESULT AnswerScaledSize(HWND window, PixelSize client, int dpi, LPARAM size) {
    const PixelSize scaled = WindowSizeFor(window, client, dpi);
    *reinterpret_cast<SIZE*>(size) = {scaled.width, scaled.height};
    return TRUE;
}

void PlaceChild(HWND child, const PixelRect& r) {
    SetWindowPos(child, nullptr, r.left, r.top, r.width, r.height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MoveToSuggested(HWND window, LPARAM suggestedRect) {
    const auto* suggested = reinterpret_cast<const RECT*>(suggestedRect);
    SetWindowPos(window, nullptr, suggested->left, suggested->top,
                 suggested->right - suggested->left, suggested->bottom - suggested->top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}
