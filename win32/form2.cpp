// Form2: the continue dialog, asked at the end of every mission.
#include "win32/form2.h"

#include "game/game.h"
#include "win32/client_accessible.h"
#include "win32/dpi.h"
#include "win32/key_reading.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

#include <algorithm>

namespace {
const wchar_t kClassName[] = L"QuvForm2";
constexpr DWORD kStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT;
// Bit 30 of a key message: the key was already down before this message.
constexpr LPARAM kWasDownBit = LPARAM{1} << 30;
using ContinueDialog::Kind;

// The size of a control's text on one line, in font.
PixelSize TextSize(HWND control, HFONT font) {
    wchar_t text[64] = {};
    const int length = GetWindowTextW(control, text, 64);
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE size{};
    GetTextExtentPoint32W(dc, text, length, &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    return {size.cx, size.cy};
}

// What a push button needs for its caption in its font at dpi: on each side of the text its
// raised edge and, inside that, the focus rectangle with a pixel's gap to the text.
PixelSize ButtonNeeds(HWND button, HFONT font, int dpi) {
    const PixelSize text = TextSize(button, font);
    const int x = SystemMetric(SM_CXEDGE, dpi) + SystemMetric(SM_CXFOCUSBORDER, dpi) + 1;
    const int y = SystemMetric(SM_CYEDGE, dpi) + SystemMetric(SM_CYFOCUSBORDER, dpi) + 1;
    return {text.width + 2 * x, text.height + 2 * y};
}
} // namespace

Form2::Form2(Game& game, HWND mainWindow)
    : m_game(game)
    , m_mainWindow(mainWindow) {}

Form2::~Form2() {
    if (m_hwnd)
        DestroyWindow(m_hwnd);
    if (m_font)
        DeleteObject(m_font);
}

void Form2::Present(int dpi) {
    const auto instance =
        reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(m_mainWindow, GWLP_HINSTANCE));
    RegisterWindowClass(instance, kClassName, RouteToOwner<Form2>,
                        reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    // Made at the middle of the main window, on its monitor, where it will show.
    RECT main;
    GetWindowRect(m_mainWindow, &main);
    CreateWindowExW(kExStyle, kClassName, Widen(ContinueDialog::kCaption).c_str(), kStyle,
                    (main.left + main.right) / 2, (main.top + main.bottom) / 2, 0, 0, m_mainWindow,
                    nullptr, instance, this);
    // In tab order. Plain push buttons: neither is the default, and neither is the cancel button.
    for (const ContinueDialog::Control& control : ContinueDialog::Controls()) {
        const bool label = control.kind == Kind::Label;
        const DWORD style = label ? SS_LEFT | SS_NOPREFIX : WS_TABSTOP | BS_PUSHBUTTON;
        CreateWindowExW(0, label ? L"STATIC" : L"BUTTON", Widen(control.caption).c_str(),
                        WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, m_hwnd,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(IdOf(control))), instance,
                        nullptr);
    }
    Layout(dpi);

    // Centred over the main window.
    RECT own;
    GetWindowRect(m_hwnd, &own);
    const int x = (main.left + main.right - (own.right - own.left)) / 2;
    const int y = (main.top + main.bottom - (own.bottom - own.top)) / 2;
    SetWindowPos(m_hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

    m_focus = Item(ContinueDialog::kYes);
    ShowWindow(m_hwnd, SW_SHOW);
    SetForegroundWindow(m_hwnd);
    SetFocus(m_focus);
}

void Form2::Layout(int dpi) {
    m_dpi = dpi;
    HFONT previous = m_font;
    m_font = CreateUiFont(dpi);
    for (const ContinueDialog::Control& control : ContinueDialog::Controls())
        SendMessageW(Item(control), WM_SETFONT, reinterpret_cast<WPARAM>(m_font), TRUE);
    if (previous)
        DeleteObject(previous);

    const Fit fit = Measure(m_font, dpi);
    SizeClientArea(m_hwnd, ContinueDialog::ClientSize(dpi, fit.growth), dpi);
    for (const ContinueDialog::Control& control : ContinueDialog::Controls()) {
        PlaceChild(Item(control),
                   control.kind == Kind::Label
                       ? ContinueDialog::QuestionPlace(fit.questionWidth, dpi, fit.growth)
                       : ContinueDialog::Place(control, dpi, fit.growth));
    }
}

Form2::Fit Form2::Measure(HFONT font, int dpi) const {
    // The whole dialog grows for a font larger than the one it was drawn for.
    const PixelSize question = TextSize(Item(ContinueDialog::kQuestion), font);
    PixelSize button{};
    for (const ContinueDialog::Control& control : ContinueDialog::Controls()) {
        if (control.kind != Kind::Button)
            continue;
        const PixelSize needs = ButtonNeeds(Item(control), font, dpi);
        button = {std::max(button.width, needs.width), std::max(button.height, needs.height)};
    }
    return {ContinueDialog::Growth(question, button, dpi), question.width};
}

bool Form2::PreTranslate(MSG& msg) {
    if (!m_hwnd || (msg.hwnd != m_hwnd && !IsChild(m_hwnd, msg.hwnd)))
        return false;
    return OnKey(msg) || IsDialogMessageW(m_hwnd, &msg);
}

const ContinueDialog::Control* Form2::ButtonOf(HWND window) const {
    for (const ContinueDialog::Control& control : ContinueDialog::Controls()) {
        if (control.kind == Kind::Button && Item(control) == window)
            return &control;
    }
    return nullptr;
}

bool Form2::OnKey(const MSG& msg) {
    const ContinueDialog::Control* on = ButtonOf(msg.hwnd);
    if ((msg.message != WM_KEYDOWN && msg.message != WM_KEYUP) || !on)
        return false;
    const Key key = ReadKey(msg.wParam);
    const bool down = msg.message == WM_KEYDOWN;
    // Windows brings a held key as repeated downs only: every release is a real one.
    const bool repeat = down && (msg.lParam & kWasDownBit) != 0;
    const DialogKeys::Step step = m_keys.OnKey(key, down, repeat, GetKeyState(VK_SHIFT) < 0, *on);
    if (!step.consumed)
        return false;
    // The button looks pushed while Space holds it, as the system's own button does.
    if (key == Key::Space && !repeat) {
        for (const auto& control : {ContinueDialog::kYes, ContinueDialog::kNo})
            SendMessageW(Item(control), BM_SETSTATE, down && Item(control) == msg.hwnd, 0);
    }
    if (step.focus) {
        SetFocus(Item(*step.focus));
        // Moved by the keyboard, the focus shows on the button, as the system's own Tab shows it.
        SendMessageW(m_hwnd, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    }
    Answer(step.answer);
    return true;
}

void Form2::Answer(DialogKeys::Answer answer) {
    // The game may not take it, and then the dialog stays as it is. Taken, and no answer awaited
    // any more, the dialog goes: the owner, enabled again, is activated and the keyboard goes
    // back to the building; a later mission end makes the dialog afresh.
    if (!m_hwnd || answer == DialogKeys::Answer::None)
        return;
    if (m_game.AnswerContinue(answer == DialogKeys::Answer::Yes) && !m_game.AwaitingAnswer())
        DestroyWindow(m_hwnd);
}

LRESULT Form2::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_COMMAND:
        // A button's click: the mouse's, or a screen reader's press.
        if (HIWORD(wParam) == BN_CLICKED) {
            if (const ContinueDialog::Control* button = ButtonOf(reinterpret_cast<HWND>(lParam)))
                Answer(DialogKeys::AnswerOf(*button));
        }
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            if (HWND focused = FocusedChild(m_hwnd))
                m_focus = focused;
        } else if (m_focus) {
            SetFocus(m_focus);
        }
        return 0;
    case WM_GETOBJECT:
        // The question is the dialog's description as well as its static text: a screen reader
        // that reads a dialog's description when it opens tells it with the focused button.
        if (const auto answer = ClientAccessible::Answer(
                m_hwnd, wParam, lParam, [] { return Widen(ContinueDialog::kCaption); },
                [] { return Widen(ContinueDialog::kQuestion.caption); }))
            return *answer;
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    case WM_CLOSE:
        Answer(DialogKeys::FrameClosed());
        return 0;
    case WM_GETDPISCALEDSIZE: {
        // Its size at the new dpi, with the system's font for that dpi.
        const int dpi = static_cast<int>(wParam);
        HFONT font = CreateUiFont(dpi);
        const double growth = Measure(font, dpi).growth;
        DeleteObject(font);
        return AnswerScaledSize(m_hwnd, ContinueDialog::ClientSize(dpi, growth), dpi, lParam);
    }
    case WM_DPICHANGED:
        MoveToSuggested(m_hwnd, lParam);
        Layout(HIWORD(wParam));
        return 0;
    case WM_SETTINGCHANGE:
        // The system's text size, which sets the size of its fonts.
        if (wParam == SPI_SETNONCLIENTMETRICS)
            Layout(m_dpi);
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    default:
        return DefWindowProcW(m_hwnd, message, wParam, lParam);
    }
}
