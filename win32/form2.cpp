// Form2: the continue dialog, asked at the end of every mission.
#include "win32/form2.h"

#include "game/game_view.h"
#include "game/program_exit.h"
#include "win32/dpi.h"
#include "win32/twips.h"
#include "win32/window_class.h"

#include <algorithm>

namespace {
const wchar_t kClassName[] = L"QuvForm2";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// The layout in twips.
constexpr SIZE kClient{2550, 960};
constexpr RECT kQuestion{120, 120, 1575, 255}; // left, top, width, height
constexpr RECT kYes{120, 480, 1095, 375};
constexpr RECT kNo{1320, 480, 1095, 375};
constexpr LPARAM kRepeatBit = LPARAM{1} << 30;

RECT Twips(const RECT& r, int dpi) {
    return TwipsRect(r.left, r.top, r.right, r.bottom, dpi);
}

// The width the question's text needs in font.
int TextWidth(HWND label, HFONT font) {
    wchar_t text[64] = {};
    const int length = GetWindowTextW(label, text, 64);
    HDC dc = GetDC(label);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, length, &size);
    SelectObject(dc, old);
    ReleaseDC(label, dc);
    return size.cx;
}
} // namespace

Form2::Form2(GameView& view, ProgramExit& exit, HWND mainWindow)
    : m_view(view)
    , m_exit(exit)
    , m_mainWindow(mainWindow) {}

Form2::~Form2() {
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    if (m_font)
        DeleteObject(m_font);
}

void Form2::Present() {
    const auto instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_mainWindow, GWLP_HINSTANCE));
    RegisterWindowClass(instance, kClassName, RouteToOwner<Form2>,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    CreateWindowExW(kExStyle, kClassName, L"Quv", kStyle, 0, 0, 0, 0, m_mainWindow, nullptr,
                    instance, this);
    auto control = [this, instance](const wchar_t* cls, const wchar_t* caption, DWORD style,
                                    Control id) {
        CreateWindowExW(0, cls, caption, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, m_hwnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    };
    control(L"STATIC", L"ゲーム、続けるか？", SS_LEFT | SS_NOPREFIX, Label1);
    // Plain push buttons: neither is the default, and neither is the cancel button.
    control(L"BUTTON", L"ＹＥＳ", WS_TABSTOP | BS_PUSHBUTTON, Command1);
    control(L"BUTTON", L"ＮＯ", WS_TABSTOP | BS_PUSHBUTTON, Command2);
    Layout(WindowDpi(m_hwnd));

    // Centred over the main window.
    RECT main, own;
    GetWindowRect(m_mainWindow, &main);
    GetWindowRect(m_hwnd, &own);
    const int x = (main.left + main.right - (own.right - own.left)) / 2;
    const int y = (main.top + main.bottom - (own.bottom - own.top)) / 2;
    SetWindowPos(m_hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    m_focus = Item(Command1);
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    SetFocus(m_focus);
}

void Form2::Layout(int dpi) {
    m_dpi = dpi;
    if (m_font)
        DeleteObject(m_font);
    m_font = CreateUiFont(dpi);
    for (Control id : {Label1, Command1, Command2})
        SendMessageW(Item(id), WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);

    SizeClientArea(m_hwnd, {Px(kClient.cx, dpi), Px(kClient.cy, dpi)}, dpi);
    // The question may widen into the free space on its right, for a font wider than the one
    // the layout was drawn for.
    RECT question = Twips(kQuestion, dpi);
    const int room = Px(kClient.cx - 2 * kQuestion.left, dpi);
    const int needed = TextWidth(Item(Label1), m_font);
    question.right = question.left + std::clamp(needed, int(question.right - question.left), room);
    PlaceChild(Item(Label1), question);
    PlaceChild(Item(Command1), Twips(kYes, dpi));
    PlaceChild(Item(Command2), Twips(kNo, dpi));
}

bool Form2::PreTranslate(MSG& msg) {
    if (!m_hwnd || (msg.hwnd != m_hwnd && !IsChild(m_hwnd, msg.hwnd)))
        return false;
    // A held Enter (from the box before the dialog) repeats; only a fresh press answers.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && (msg.lParam & kRepeatBit))
        return true;
    return IsDialogMessageW(m_hwnd, &msg);
}

void Form2::AnswerYes() {
    if (!m_hwnd)
        return;
    m_view.SetMainWindowEnabled(true);
    // Destroyed: the owner, enabled again, is activated and the keyboard goes back to the
    // building. A later mission end makes the dialog afresh.
    DestroyWindow(m_hwnd);
}

LRESULT Form2::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // Escape arrives as IDCANCEL and is neither answer.
        if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == Command1)
            AnswerYes();
        else if (HIWORD(wParam) == BN_CLICKED && LOWORD(wParam) == Command2)
            m_exit.EndProgram();
        return 0;
    case DM_GETDEFID: {
        // No button is the default; Enter presses the one that has the focus.
        const HWND focused = GetFocus();
        for (Control id : {Command1, Command2}) {
            if (focused == Item(id))
                return MAKELRESULT(id, DC_HASDEFID);
        }
        return 0;
    }
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focused = FocusedChild(m_hwnd))
                m_focus = focused;
        } else if (m_focus) {
            SetFocus(m_focus);
        }
        return 0;
    case WM_CLOSE:
        // The frame's close counts as YES, so that the main window is never left disabled.
        AnswerYes();
        return 0;
    case WM_DPICHANGED:
        MoveToSuggested(m_hwnd, lParam);
        Layout(HIWORD(wParam));
        return 0;
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}
