// RoomAccessible: what a screen reader finds of a room's cell.

// The accessibility interfaces' identifiers are defined here, in the program. MinGW's oleacc
// import library offers them only as data imported from oleacc.dll, which, referenced without
// dllimport, yields the address of an import thunk instead of the identifier.
#include <initguid.h>

#include "win32/room_accessible.h"

#include <commctrl.h>

namespace {
BSTR Copy(const std::wstring& text) {
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}
} // namespace

LRESULT RoomAccessible::Answer(HWND cell, WPARAM wParam, LPARAM lParam, const std::wstring& name) {
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT))
        return DefSubclassProc(cell, WM_GETOBJECT, wParam, lParam);
    IAccessible* system = nullptr;
    if (FAILED(CreateStdAccessibleObject(cell, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&system))))
        return DefSubclassProc(cell, WM_GETOBJECT, wParam, lParam);
    auto* room = new RoomAccessible(cell, system, name);
    const LRESULT result = LresultFromObject(IID_IAccessible, wParam, room);
    room->Release();
    return result;
}

RoomAccessible::RoomAccessible(HWND cell, IAccessible* system, std::wstring name)
    : m_cell(cell)
    , m_system(system)
    , m_name(std::move(name)) {}

RoomAccessible::~RoomAccessible() {
    m_system->Release();
}

bool RoomAccessible::IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT RoomAccessible::QueryInterface(REFIID riid, void** object) {
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible) {
        *object = static_cast<IAccessible*>(this);
        AddRef();
        return S_OK;
    }
    // Whatever else the system's object offers (its window, its children) stays the system's.
    return m_system->QueryInterface(riid, object);
}

ULONG RoomAccessible::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG RoomAccessible::Release() {
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT RoomAccessible::GetTypeInfoCount(UINT* count) {
    return m_system->GetTypeInfoCount(count);
}
HRESULT RoomAccessible::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    return m_system->GetTypeInfo(index, locale, info);
}
HRESULT RoomAccessible::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                      DISPID* ids) {
    return m_system->GetIDsOfNames(riid, names, count, locale, ids);
}
HRESULT RoomAccessible::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags, DISPPARAMS* params,
                               VARIANT* result, EXCEPINFO* exception, UINT* argument) {
    return m_system->Invoke(id, riid, locale, flags, params, result, exception, argument);
}

HRESULT RoomAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!IsSelf(child))
        return m_system->get_accName(child, name);
    if (!name)
        return E_POINTER;
    *name = Copy(m_name);
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT RoomAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!IsSelf(child))
        return m_system->get_accRole(child, role);
    if (!role)
        return E_POINTER;
    VariantInit(role);
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
}

HRESULT RoomAccessible::accDoDefaultAction(VARIANT child) {
    if (!IsSelf(child))
        return m_system->accDoDefaultAction(child);
    // Posted, as a button's own press is: the visit and its boxes must not run inside the
    // screen reader's call.
    return PostMessageW(m_cell, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
}

HRESULT RoomAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (!IsSelf(child))
        return m_system->get_accDefaultAction(child, action);
    if (!action)
        return E_POINTER;
    *action = Copy(L"押す");
    return *action ? S_OK : E_OUTOFMEMORY;
}

HRESULT RoomAccessible::get_accParent(IDispatch** parent) {
    return m_system->get_accParent(parent);
}
HRESULT RoomAccessible::get_accChildCount(long* count) {
    return m_system->get_accChildCount(count);
}
HRESULT RoomAccessible::get_accChild(VARIANT child, IDispatch** dispatch) {
    return m_system->get_accChild(child, dispatch);
}
HRESULT RoomAccessible::get_accValue(VARIANT child, BSTR* value) {
    return m_system->get_accValue(child, value);
}
HRESULT RoomAccessible::get_accDescription(VARIANT child, BSTR* description) {
    return m_system->get_accDescription(child, description);
}
HRESULT RoomAccessible::get_accState(VARIANT child, VARIANT* state) {
    return m_system->get_accState(child, state);
}
HRESULT RoomAccessible::get_accHelp(VARIANT child, BSTR* help) {
    return m_system->get_accHelp(child, help);
}
HRESULT RoomAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    return m_system->get_accHelpTopic(file, child, topic);
}
HRESULT RoomAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return m_system->get_accKeyboardShortcut(child, shortcut);
}
HRESULT RoomAccessible::get_accFocus(VARIANT* child) {
    return m_system->get_accFocus(child);
}
HRESULT RoomAccessible::get_accSelection(VARIANT* children) {
    return m_system->get_accSelection(children);
}
HRESULT RoomAccessible::accSelect(long flags, VARIANT child) {
    return m_system->accSelect(flags, child);
}
HRESULT RoomAccessible::accLocation(long* left, long* top, long* width, long* height,
                                    VARIANT child) {
    return m_system->accLocation(left, top, width, height, child);
}
HRESULT RoomAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    return m_system->accNavigate(direction, start, end);
}
HRESULT RoomAccessible::accHitTest(long left, long top, VARIANT* child) {
    return m_system->accHitTest(left, top, child);
}
HRESULT RoomAccessible::put_accName(VARIANT child, BSTR name) {
    return m_system->put_accName(child, name);
}
HRESULT RoomAccessible::put_accValue(VARIANT child, BSTR value) {
    return m_system->put_accValue(child, value);
}
