// RoomAccessible: a room as Microsoft Active Accessibility clients (NVDA, JAWS) read it.
#include "win32/room_accessible.h"

#include "win32/accessibility_api.h"
#include "win32/wide_text.h"

namespace {
bool IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

void SetSelf(VARIANT* child) {
    child->vt = VT_I4;
    child->lVal = CHILDID_SELF;
}

void SetNone(VARIANT* child) {
    *child = VARIANT{};
    child->vt = VT_EMPTY;
}
} // namespace

std::optional<LRESULT> RoomAccessible::Answer(HWND cell, WPARAM wParam, LPARAM lParam, Room room) {
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT))
        return std::nullopt;
    const AccessibilityApi* api = AccessibilityApi::Get();
    if (!api)
        return std::nullopt;
    auto* object = new RoomAccessible(*api, cell, room);
    const LRESULT result = api->lresultFromObject(IID_IAccessible, wParam, object);
    object->Release();
    return result;
}

RoomAccessible::RoomAccessible(const AccessibilityApi& api, HWND cell, Room room)
    : AccessibleObject(api)
    , m_cell(cell)
    , m_name(Widen(room.AccessibleName())) {}

HRESULT RoomAccessible::Check(const VARIANT& child) const {
    if (!IsWindow(m_cell))
        return CO_E_OBJNOTCONNECTED;
    return IsSelf(child) ? S_OK : E_INVALIDARG;
}

HRESULT RoomAccessible::Text(const VARIANT& child, const wchar_t* text, BSTR* out) const {
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (const HRESULT checked = Check(child); FAILED(checked))
        return checked;
    *out = m_api.Copy(text);
    return *out ? S_OK : E_OUTOFMEMORY;
}

HRESULT RoomAccessible::get_accParent(IDispatch** parent) {
    if (!parent)
        return E_POINTER;
    *parent = nullptr;
    if (!IsWindow(m_cell))
        return CO_E_OBJNOTCONNECTED;
    // The cell's window, as the system describes every child window.
    return m_api.accessibleObjectFromWindow(m_cell, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                            reinterpret_cast<void**>(parent));
}

HRESULT RoomAccessible::get_accChildCount(long* count) {
    if (!count)
        return E_POINTER;
    *count = 0;
    return IsWindow(m_cell) ? S_OK : CO_E_OBJNOTCONNECTED;
}

HRESULT RoomAccessible::get_accChild(VARIANT child, IDispatch** dispatch) {
    if (!dispatch)
        return E_POINTER;
    *dispatch = nullptr;
    if (const HRESULT checked = Check(child); FAILED(checked))
        return checked;
    *dispatch = this;
    AddRef();
    return S_OK;
}

HRESULT RoomAccessible::get_accName(VARIANT child, BSTR* name) {
    return Text(child, m_name.c_str(), name);
}

HRESULT RoomAccessible::get_accValue(VARIANT child, BSTR* value) {
    if (!value)
        return E_POINTER;
    *value = nullptr;
    const HRESULT checked = Check(child);
    return FAILED(checked) ? checked : DISP_E_MEMBERNOTFOUND; // a push button has none
}

HRESULT RoomAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (!description)
        return E_POINTER;
    *description = nullptr;
    const HRESULT checked = Check(child);
    return FAILED(checked) ? checked : S_FALSE;
}

HRESULT RoomAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!role)
        return E_POINTER;
    SetNone(role);
    if (const HRESULT checked = Check(child); FAILED(checked))
        return checked;
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
}

HRESULT RoomAccessible::get_accState(VARIANT child, VARIANT* state) {
    if (!state)
        return E_POINTER;
    SetNone(state);
    if (const HRESULT checked = Check(child); FAILED(checked))
        return checked;
    // The cells are disabled with the main window: under a box, behind the continue dialog.
    long flags = IsWindowEnabled(m_cell) ? STATE_SYSTEM_FOCUSABLE : STATE_SYSTEM_UNAVAILABLE;
    if (!IsWindowVisible(m_cell))
        flags |= STATE_SYSTEM_INVISIBLE;
    if (GetFocus() == m_cell)
        flags |= STATE_SYSTEM_FOCUSED;
    state->vt = VT_I4;
    state->lVal = flags;
    return S_OK;
}

HRESULT RoomAccessible::get_accHelp(VARIANT child, BSTR* help) {
    return get_accDescription(child, help);
}

HRESULT RoomAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    if (!file || !topic)
        return E_POINTER;
    *file = nullptr;
    *topic = -1;
    const HRESULT checked = Check(child);
    return FAILED(checked) ? checked : S_FALSE;
}

HRESULT RoomAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    // No room has an access key: the arrows and Tab walk to it.
    return get_accDescription(child, shortcut);
}

HRESULT RoomAccessible::get_accFocus(VARIANT* child) {
    if (!child)
        return E_POINTER;
    SetNone(child);
    if (!IsWindow(m_cell))
        return CO_E_OBJNOTCONNECTED;
    if (GetFocus() != m_cell)
        return S_FALSE;
    SetSelf(child);
    return S_OK;
}

HRESULT RoomAccessible::get_accSelection(VARIANT* children) {
    if (!children)
        return E_POINTER;
    SetNone(children);
    return IsWindow(m_cell) ? DISP_E_MEMBERNOTFOUND : CO_E_OBJNOTCONNECTED;
}

HRESULT RoomAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    return Text(child, Widen(Room::kPressAction).c_str(), action);
}

HRESULT RoomAccessible::accSelect(long flags, VARIANT child) {
    if (const HRESULT checked = Check(child); FAILED(checked))
        return checked;
    // A room can take the focus, as a click or the keyboard gives it; nothing selects one.
    if (flags != SELFLAG_TAKEFOCUS)
        return DISP_E_MEMBERNOTFOUND;
    if (!IsWindowEnabled(m_cell))
        return S_FALSE;
    SetFocus(m_cell);
    return GetFocus() == m_cell ? S_OK : S_FALSE;
}

HRESULT RoomAccessible::accLocation(long* left, long* top, long* width, long* height,
                                    VARIANT child) {
    if (!left || !top || !width || !height)
        return E_POINTER;
    *left = *top = *width = *height = 0;
    if (const HRESULT checked = Check(child); FAILED(checked))
        return checked;
    RECT r;
    if (!GetWindowRect(m_cell, &r))
        return E_FAIL;
    *left = r.left;
    *top = r.top;
    *width = r.right - r.left;
    *height = r.bottom - r.top;
    return S_OK;
}

HRESULT RoomAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    if (!end)
        return E_POINTER;
    SetNone(end);
    if (const HRESULT checked = Check(start); FAILED(checked))
        return checked;
    switch (direction) {
    case NAVDIR_FIRSTCHILD:
    case NAVDIR_LASTCHILD:
        return S_FALSE; // a room has no children
    case NAVDIR_UP:
    case NAVDIR_DOWN:
    case NAVDIR_LEFT:
    case NAVDIR_RIGHT:
    case NAVDIR_NEXT:
    case NAVDIR_PREVIOUS:
        // The rooms are windows of their own: their windows lead from one to the next.
        return DISP_E_MEMBERNOTFOUND;
    default:
        return E_INVALIDARG;
    }
}

HRESULT RoomAccessible::accHitTest(long left, long top, VARIANT* child) {
    if (!child)
        return E_POINTER;
    SetNone(child);
    RECT r;
    if (!IsWindow(m_cell) || !GetWindowRect(m_cell, &r))
        return CO_E_OBJNOTCONNECTED;
    if (!PtInRect(&r, POINT{left, top}))
        return S_FALSE;
    SetSelf(child);
    return S_OK;
}

HRESULT RoomAccessible::accDoDefaultAction(VARIANT child) {
    if (const HRESULT checked = Check(child); FAILED(checked))
        return checked;
    // Unavailable (under a box, behind the dialog), the room has no action to perform, and says
    // so rather than answer a press that does nothing.
    if (!IsWindowEnabled(m_cell))
        return DISP_E_MEMBERNOTFOUND;
    // Posted, as a button's own press is: the visit and its boxes must not run inside the
    // screen reader's call. Whether the press may act then is for the cell to decide.
    return PostMessageW(m_cell, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
}

HRESULT RoomAccessible::put_accName(VARIANT /*child*/, BSTR /*name*/) {
    return E_NOTIMPL; // no client may rename a room
}

HRESULT RoomAccessible::put_accValue(VARIANT /*child*/, BSTR /*value*/) {
    return DISP_E_MEMBERNOTFOUND;
}
