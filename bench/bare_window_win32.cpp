// A bare Win32 window with the game's menu, client size, background, icons and manifest, and
// nothing else: the yardstick for QUV.exe's start-up time and memory. It links the game's own
// resources, so the manifest (Common Controls 6, per-monitor DPI) and the icon are the same.
#include <windows.h>

namespace {

const wchar_t kClassName[] = L"QuvBareWindow";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_CLIPCHILDREN;
constexpr int kClientWidth = 4695; // twips, as the game's
constexpr int kClientHeight = 4935;
constexpr COLORREF kBackground = RGB(0xC0, 0xFF, 0xFF);

int Px(int twips, int dpi) {
    return (twips * dpi + 720) / 1440;
}

// The per-monitor functions came with Windows 10, as in the game.
template <typename Function> Function User32(const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

void SizeForDpi(HWND window) {
    static const auto dpiForWindow = User32<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
    static const auto adjustForDpi =
        User32<BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
    const UINT dpi = dpiForWindow ? dpiForWindow(window) : 96;
    RECT r{0, 0, Px(kClientWidth, static_cast<int>(dpi)), Px(kClientHeight, static_cast<int>(dpi))};
    if (adjustForDpi)
        adjustForDpi(&r, kStyle, TRUE, 0, dpi);
    else
        AdjustWindowRectEx(&r, kStyle, TRUE, 0);
    SetWindowPos(window, nullptr, 0, 0, r.right - r.left, r.bottom - r.top,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DPICHANGED:
        SizeForDpi(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

HMENU Menu() {
    HMENU bar = CreateMenu();
    AppendMenuW(bar, MF_STRING, 1, L"スタート");
    AppendMenuW(bar, MF_STRING, 2, L"終了");
    HMENU score = CreatePopupMenu();
    AppendMenuW(score, MF_STRING, 3, L"現在のスコア");
    AppendMenuW(score, MF_STRING, 4, L"ハイスコア");
    AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(score), L"スコア");
    return bar;
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int showCommand) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Procedure;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(kBackground);
    wc.lpszClassName = kClassName;
    RegisterClassW(&wc);

    HWND window = CreateWindowExW(0, kClassName, L"Bare", kStyle, CW_USEDEFAULT, CW_USEDEFAULT, 0,
                                  0, nullptr, Menu(), instance, nullptr);
    if (!window)
        return 1;
    const auto icon = [instance](int size) {
        return reinterpret_cast<LPARAM>(
            LoadImageW(instance, MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
    };
    SendMessageW(window, WM_SETICON, ICON_BIG, icon(32));
    SendMessageW(window, WM_SETICON, ICON_SMALL, icon(GetSystemMetrics(SM_CXSMICON)));
    SizeForDpi(window);
    ShowWindow(window, showCommand);
    UpdateWindow(window);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return 0;
}
