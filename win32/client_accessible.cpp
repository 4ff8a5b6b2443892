// ClientAccessible: what a screen reader finds of the main window's client area, the building.
#include "win32/client_accessible.h"

#include "win32/accessibility_api.h"

std::optional<LRESULT> ClientAccessible::Answer(HWND window, WPARAM wParam, LPARAM lParam,
                                                Text name, Text description) {
    if (static_cast<LONG>(lParam) != static_cast<LONG>(OBJID_CLIENT))
        return std::nullopt;
    const AccessibilityApi* api = AccessibilityApi::Get();
    IAccessible* system = nullptr;
    if (!api || FAILED(api->createStdAccessibleObject(window, OBJID_CLIENT, IID_IAccessible,
                                                      reinterpret_cast<void**>(&system))))
        return std::nullopt;
    auto* object =
        new ClientAccessible(*api, window, system, std::move(name), std::move(description));
    const LRESULT result =
        api->lresultFromObject(IID_IAccessible, wParam, static_cast<IAccessible*>(object));
    object->Release();
    return result;
}

ClientAccessible::ClientAccessible(const AccessibilityApi& api, HWND window, IAccessible* system,
                                   Text name, Text description)
    : AccessibleObject(api)
    , m_window(window)
    , m_system(system)
    , m_name(std::move(name))
    , m_description(std::move(description)) {
    m_system->QueryInterface(IID_IEnumVARIANT, reinterpret_cast<void**>(&m_children));
}

ClientAccessible::~ClientAccessible() {
    if (m_children)
        m_children->Release();
    m_system->Release();
}

bool ClientAccessible::IsSelf(const VARIANT& child) {
    return child.vt == VT_I4 && child.lVal == CHILDID_SELF;
}

void* ClientAccessible::OtherInterface(REFIID riid) {
    if (riid == IID_IEnumVARIANT && m_children)
        return static_cast<IEnumVARIANT*>(this);
    if (riid == IID_IOleWindow)
        return static_cast<IOleWindow*>(this);
    return nullptr;
}

// The window may be gone while a screen reader still holds the object; the window's owner that
// answers the name and the description goes with it, and the system's object answers instead.
HRESULT ClientAccessible::get_accName(VARIANT child, BSTR* name) {
    if (!IsSelf(child) || !IsWindow(m_window))
        return m_system->get_accName(child, name);
    if (!name)
        return E_POINTER;
    *name = m_api.Copy(m_name());
    return *name ? S_OK : E_OUTOFMEMORY;
}

HRESULT ClientAccessible::get_accDescription(VARIANT child, BSTR* description) {
    if (!IsSelf(child) || !IsWindow(m_window))
        return m_system->get_accDescription(child, description);
    if (!description)
        return E_POINTER;
    const std::wstring text = m_description();
    // No description is no text at all, not an empty one.
    *description = text.empty() ? nullptr : m_api.Copy(text);
    return text.empty() ? S_FALSE : *description ? S_OK : E_OUTOFMEMORY;
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
HRESULT ClientAccessible::get_accRole(VARIANT child, VARIANT* role) {
    return m_system->get_accRole(child, role);
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
HRESULT ClientAccessible::get_accDefaultAction(VARIANT child, BSTR* action) {
    return m_system->get_accDefaultAction(child, action);
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
HRESULT ClientAccessible::accDoDefaultAction(VARIANT child) {
    return m_system->accDoDefaultAction(child);
}
HRESULT ClientAccessible::put_accName(VARIANT child, BSTR name) {
    return m_system->put_accName(child, name);
}
HRESULT ClientAccessible::put_accValue(VARIANT child, BSTR value) {
    return m_system->put_accValue(child, value);
}

HRESULT ClientAccessible::Next(ULONG count, VARIANT* children, ULONG* fetched) {
    return m_children->Next(count, children, fetched);
}
HRESULT ClientAccessible::Skip(ULONG count) {
    return m_children->Skip(count);
}
HRESULT ClientAccessible::Reset() {
    return m_children->Reset();
}
HRESULT ClientAccessible::Clone(IEnumVARIANT** copy) {
    // A separate enumeration, a thing of its own: the system's.
    return m_children->Clone(copy);
}

HRESULT ClientAccessible::GetWindow(HWND* window) {
    if (!window)
        return E_POINTER;
    *window = m_window;
    return S_OK;
}
HRESULT ClientAccessible::ContextSensitiveHelp(BOOL /*enter*/) {
    return E_NOTIMPL;
}
