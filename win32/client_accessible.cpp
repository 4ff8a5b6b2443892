// ClientAccessible: what a screen reader finds of one of the game's windows.

// The accessibility interfaces' identifiers are defined here, in the program. MinGW's oleacc
// import library offers them only as data imported from oleacc.dll, which, referenced without
// dllimport, yields the address of an import thunk instead of the identifier.
#include <initguid.h>

#include "win32/client_accessible.h"

#include <commctrl.h>

namespace {
BSTR Copy(const std::wstring& text) {
    return SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}
} // namespace

std::optional<LRESULT> ClientAccessible::Answer(HWND window, WPARAM wParam, LPARAM lParam,
                                                Overrides overrides) {
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT))
        return std::nullopt;
    IAccessible* system = nullptr;
    if (FAILED(CreateStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                                         reinterpret_cast<void**>(&system))))
        return std::nullopt;
    auto* object = new ClientAccessible(window, system, std::move(overrides));
    const LRESULT result = LresultFromObject(IID_IAccessible, wParam, object);
    object->Release();
    return result;
}

ClientAccessible::ClientAccessible(HWND window, IAccessible* system, Overrides overrides)
    : m_window(window)
    , m_system(system)
    , m_overrides(std::move(overrides)) {}

ClientAccessible::~ClientAccessible() {
    m_system->Release();
}

bool ClientAccessible::IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

HRESULT ClientAccessible::QueryInterface(REFIID riid, void** object) {
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

ULONG ClientAccessible::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG ClientAccessible::Release() {
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT ClientAccessible::GetTypeInfoCount(UINT* count) {
    return m_system->GetTypeInfoCount(count);
}
HRESULT ClientAccessible::GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) {
    return m_system->GetTypeInfo(index, locale, info);
}
HRESULT ClientAccessible::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                        DISPID* ids) {
    return m_system->GetIDsOfNames(riid, names, count, locale, ids);
}
HRESULT ClientAccessible::Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                 DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                 UINT* argument) {
    return m_system->Invoke(id, riid, locale, flags, params, result, exception, argument);
}

HRESULT ClientAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!IsSelf(child))
        return m_system->get_accName(child, name);
    if (!name)
        return E_POINTER;
    *name = Copy(m_overrides.name);
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT ClientAccessible::get_accRole(VARIANT child, VARIANT* role) {
    if (!IsSelf(child) || !m_overrides.pushButton)
        return m_system->get_accRole(child, role);
    if (!role)
        return E_POINTER;
    VariantInit(role);
    role->vt = VT_I4;
    role->lVal = ROLE_SYSTEM_PUSHBUTTON;
    return S_OK;
}

HRESULT ClientAccessible::accDoDefaultAction(VARIANT child) {
    if (!IsSelf(child) || !m_overrides.pushButton)
        return m_system->accDoDefaultAction(child);
    // Posted, as a button's own press is: the visit and its boxes must not run inside the
    // screen reader's call. Whether the press may act then is for the window to decide.
    return PostMessageW(m_window, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
}

HRESULT ClientAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    if (!IsSelf(child) || !m_overrides.pushButton)
        return m_system->get_accDefaultAction(child, action);
    if (!action)
        return E_POINTER;
    *action = Copy(L"押す");
    return *action ? S_OK : E_OUTOFMEMORY;
}

HRESULT ClientAccessible::get_accParent(IDispatch** parent) {
    return m_system->get_accParent(parent);
}
HRESULT ClientAccessible::get_accChildCount(long* count) {
    return m_system->get_accChildCount(count);
}
HRESULT ClientAccessible::get_accChild(VARIANT child, IDispatch** dispatch) {
    return m_system->get_accChild(child, dispatch);
}
HRESULT ClientAccessible::get_accValue(VARIANT child, BSTR* value) {
    return m_system->get_accValue(child, value);
}
HRESULT ClientAccessible::get_accDescription(VARIANT child, BSTR* description) {
    // The window may be gone while a screen reader still holds the object; the window's owner
    // that answers the description goes with it.
    if (!IsSelf(child) || !m_overrides.description || !IsWindow(m_window))
        return m_system->get_accDescription(child, description);
    if (!description)
        return E_POINTER;
    const std::wstring text = m_overrides.description();
    // No description is no text at all, not an empty one.
    *description = text.empty() ? nullptr : Copy(text);
    return text.empty() ? S_FALSE : *description ? S_OK : E_OUTOFMEMORY;
}
HRESULT ClientAccessible::get_accState(VARIANT child, VARIANT* state) {
    return m_system->get_accState(child, state);
}
HRESULT ClientAccessible::get_accHelp(VARIANT child, BSTR* help) {
    return m_system->get_accHelp(child, help);
}
HRESULT ClientAccessible::get_accHelpTopic(BSTR* file, VARIANT child, long* topic) {
    return m_system->get_accHelpTopic(file, child, topic);
}
HRESULT ClientAccessible::get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) {
    return m_system->get_accKeyboardShortcut(child, shortcut);
}
HRESULT ClientAccessible::get_accFocus(VARIANT* child) {
    return m_system->get_accFocus(child);
}
HRESULT ClientAccessible::get_accSelection(VARIANT* children) {
    return m_system->get_accSelection(children);
}
HRESULT ClientAccessible::accSelect(long flags, VARIANT child) {
    return m_system->accSelect(flags, child);
}
HRESULT ClientAccessible::accLocation(long* left, long* top, long* width, long* height,
                                      VARIANT child) {
    return m_system->accLocation(left, top, width, height, child);
}
HRESULT ClientAccessible::accNavigate(long direction, VARIANT start, VARIANT* end) {
    return m_system->accNavigate(direction, start, end);
}
HRESULT ClientAccessible::accHitTest(long left, long top, VARIANT* child) {
    return m_system->accHitTest(left, top, child);
}
HRESULT ClientAccessible::put_accName(VARIANT child, BSTR name) {
    return m_system->put_accName(child, name);
}
HRESULT ClientAccessible::put_accValue(VARIANT child, BSTR value) {
    return m_system->put_accValue(child, value);
}
