// RoomCell: one window of the building; its caption is the room number, never readable.
#include "win32/room_cell.h"

#include "win32/client_accessible.h"
#include "win32/wide_text.h"

#include <commctrl.h>

#include <string>

namespace {
// Bit 30 of a key message: the key was already down, so this is the keyboard's auto-repeat.
constexpr LPARAM kRepeatBit = LPARAM{1} << 30;
} // namespace

void RoomCell::Create(HWND parent, HINSTANCE instance, int id, Room room, Listener& listener) {
    m_id = id;
    m_listener = &listener;
    const std::wstring caption = Widen(room.Caption());
    m_hwnd = CreateWindowExW(0, L"BUTTON", caption.c_str(),
                             WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | BS_OWNERDRAW, 0,
                             0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                             instance, nullptr);
    SetWindowSubclass(m_hwnd, Subclass, 0, reinterpret_cast<DWORD_PTR>(this));
}

int RoomCell::RoomNumber() const {
    wchar_t caption[8] = {};
    GetWindowTextW(m_hwnd, caption, 8);
    return std::stoi(caption);
}

void RoomCell::SetColours(Colour back, Colour /*text*/) {
    // The caption is never drawn, so the text colour (always the back colour) has nothing to
    // paint; only the back colour shows. Painted at once: the game shows a box next, and the
    // player must see the black room behind it.
    m_back = back;
    InvalidateRect(m_hwnd, nullptr, FALSE);
    UpdateWindow(m_hwnd);
}

void RoomCell::Draw(const DRAWITEMSTRUCT& item) const {
    // A game colour is already a COLORREF: red in the low byte.
    HBRUSH brush = CreateSolidBrush(m_back);
    FillRect(item.hDC, &item.rcItem, brush);
    DeleteObject(brush);
}

bool RoomCell::OnKey(WPARAM key, LPARAM flags) {
    switch (key) {
    case VK_LEFT:
        m_listener->StepFrom(*this, Arrow::Left);
        return true;
    case VK_RIGHT:
        m_listener->StepFrom(*this, Arrow::Right);
        return true;
    case VK_UP:
        m_listener->StepFrom(*this, Arrow::Up);
        return true;
    case VK_DOWN:
        m_listener->StepFrom(*this, Arrow::Down);
        return true;
    case VK_TAB:
        m_listener->TabFrom(*this, GetKeyState(VK_SHIFT) < 0);
        return true;
    case VK_RETURN:
        // One visit per press: a held key must not run through the suspect's five chances.
        if (!(flags & kRepeatBit))
            SendMessageW(GetParent(m_hwnd), WM_COMMAND, MAKEWPARAM(m_id, BN_CLICKED),
                         reinterpret_cast<LPARAM>(m_hwnd));
        return true;
    default:
        return false; // Space is the button's own key
    }
}

LRESULT CALLBACK RoomCell::Subclass(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                    UINT_PTR /*id*/, DWORD_PTR data) {
    auto* self = reinterpret_cast<RoomCell*>(data);
    switch (message) {
    case WM_GETDLGCODE:
        return DLGC_WANTALLKEYS | DLGC_BUTTON;
    case WM_GETOBJECT:
        if (const auto answer = ClientAccessible::Answer(
                hwnd, wParam, lParam, {Widen(self->TheRoom().AccessibleName()), {}, true}))
            return *answer;
        break;
    case WM_KEYDOWN:
        self->m_listener->InputSeen(true);
        if (self->OnKey(wParam, lParam))
            return 0;
        break;
    case WM_LBUTTONDBLCLK:
        // An owner-drawn button turns a quick second click into a double click, which is no
        // click at all; the player means two visits.
        self->m_listener->InputSeen(false);
        return DefSubclassProc(hwnd, WM_LBUTTONDOWN, wParam, lParam);
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        self->m_listener->InputSeen(false);
        break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
        const LRESULT result = DefSubclassProc(hwnd, message, wParam, lParam);
        self->m_listener->FocusChanged();
        return result;
    }
    case WM_NCDESTROY:
        RemoveWindowSubclass(hwnd, Subclass, 0);
        break;
    default:
        break;
    }
    return DefSubclassProc(hwnd, message, wParam, lParam);
}
