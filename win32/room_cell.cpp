// RoomCell: one window of the building; its caption is the room number, never readable.
#include "win32/room_cell.h"

#include "win32/accessibility_api.h"
#include "win32/key_reading.h"
#include "win32/room_accessible.h"
#include "win32/room_provider.h"
#include "win32/wide_text.h"
#include "win32/window_class.h"

#include <string>
#include <utility>

namespace {
const wchar_t kClassName[] = L"QuvRoom";
// Bit 30 of a key message: the key was already down before this message.
constexpr LPARAM kWasDownBit = LPARAM{1} << 30;
// No cell's id: where a held Space is told it came up once its cell has lost the focus.
constexpr int kNoCell = 0;
} // namespace

void RoomCell::Create(HWND parent, HINSTANCE instance, int id, Room room, Listener& listener,
                      KeyPress& keys) {
    m_id = id;
    m_index = room.Index();
    m_listener = &listener;
    m_keys = &keys;
    // No double clicks: a quick second click is a second press, as the player means it.
    RegisterWindowClass(instance, kClassName, RouteToOwner<RoomCell>);
    const std::wstring caption = Widen(room.Caption());
    CreateWindowExW(0, kClassName, caption.c_str(),
                    WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS, 0, 0, 0, 0, parent,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
}

void RoomCell::SetColours(Colour back, Colour /*text*/) {
    // The caption is never drawn, so the text colour (always the back colour) has nothing to
    // paint; only the back colour shows. Painted at once: the game shows a box next, and the
    // player must see the black room behind it.
    m_back = back;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateWindow(m_hwnd);
}

void RoomCell::Paint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(m_hwnd, &ps);
    RECT all;
    GetClientRect(m_hwnd, &all);
    // A game colour is already a COLORREF: red in the low byte.
    HBRUSH brush = CreateSolidBrush(m_back);
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    EndPaint(m_hwnd, &ps);
}

void RoomCell::MouseDown() {
    m_listener->InputSeen(false);
    if (!IsWindowEnabled(m_hwnd))
        return;
    // As a push button: the focus comes with the press, which ends where the button comes up.
    SetFocus(m_hwnd);
    SetCapture(m_hwnd);
    m_mouseDown = true;
}

void RoomCell::MouseUp(POINT at) {
    if (!m_mouseDown)
        return;
    RECT inside;
    GetClientRect(m_hwnd, &inside);
    CancelPress();
    if (PtInRect(&inside, at))
        Press();
}

void RoomCell::CancelPress() {
    m_keys->Up(KeyPress::Key::Space, false, kNoCell);
    if (std::exchange(m_mouseDown, false) && GetCapture() == m_hwnd)
        ReleaseCapture();
}

void RoomCell::Press() {
    if (!IsWindowEnabled(m_hwnd))
        return;
    SendMessageW(GetParent(m_hwnd), WM_COMMAND, MAKEWPARAM(m_id, BN_CLICKED),
                 reinterpret_cast<LPARAM>(m_hwnd));
}

bool RoomCell::OnKey(WPARAM virtualKey, LPARAM flags) {
    const Key key = ReadKey(virtualKey);
    switch (key) {
    case Key::Left:
        m_listener->StepFrom(*this, Arrow::Left);
        return true;
    case Key::Right:
        m_listener->StepFrom(*this, Arrow::Right);
        return true;
    case Key::Up:
        m_listener->StepFrom(*this, Arrow::Up);
        return true;
    case Key::Down:
        m_listener->StepFrom(*this, Arrow::Down);
        return true;
    case Key::Tab:
        m_listener->TabFrom(*this, GetKeyState(VK_SHIFT) < 0);
        return true;
    case Key::Enter:
    case Key::Space:
        if (IsWindowEnabled(m_hwnd) &&
            m_keys->Down(key == Key::Enter ? KeyPress::Key::Enter : KeyPress::Key::Space,
                         (flags & kWasDownBit) != 0, m_id))
            Press();
        return true;
    default:
        return false;
    }
}

LRESULT RoomCell::Answer(WPARAM wParam, LPARAM lParam) {
    const Room room = TheRoom();
    if (const auto answer = RoomAccessible::Answer(m_hwnd, wParam, lParam, room))
        return *answer;
    if (const auto answer = RoomProvider::Answer(m_hwnd, wParam, lParam, room)) {
        m_providerGiven = true;
        return *answer;
    }
    return DefWindowProcW(m_hwnd, WM_GETOBJECT, wParam, lParam);
}

LRESULT RoomCell::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | DLGC_BUTTON;
    case WM_GETOBJECT:
        return Answer(wParam, lParam);
    case WM_ERASEBKGND:
        return 1; // painted whole in WM_PAINT
    case WM_PAINT:
        Paint();
        return 0;
    case WM_KEYDOWN:
        m_listener->InputSeen(true);
        if (OnKey(wParam, lParam))
            return 0;
        break;
    case WM_KEYUP:
        // Windows brings a held key as repeated downs only: every release is a real one.
        if (ReadKey(wParam) == Key::Space && m_keys->Up(KeyPress::Key::Space, false, m_id))
            Press();
        break;
    case WM_LBUTTONDOWN:
        MouseDown();
        return 0;
    case WM_LBUTTONUP:
        MouseUp(POINT{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))});
        return 0;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        m_listener->InputSeen(false);
        break;
    case WM_CAPTURECHANGED:
        m_mouseDown = false;
        break;
    case BM_CLICK:
        // A press as the mouse makes it, as a button takes this message (a screen reader's).
        SendMessageW(m_hwnd, WM_LBUTTONDOWN, MK_LBUTTON, 0);
        SendMessageW(m_hwnd, WM_LBUTTONUP, 0, 0);
        return 0;
    case WM_SETFOCUS:
        m_listener->FocusChanged();
        return 0;
    case WM_KILLFOCUS:
        CancelPress();
        m_listener->FocusChanged();
        return 0;
    case WM_DESTROY:
        // UI Automation lets go of what it holds for the window.
        if (m_providerGiven && AccessibilityApi::Loaded())
            AccessibilityApi::Get()->uiaReturnRawElementProvider(m_hwnd, 0, 0, nullptr);
        break;
    default:
        break;
    }
    return DefWindowProcW(m_hwnd, message, wParam, lParam);
}
