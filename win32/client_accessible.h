// ClientAccessible: what a screen reader finds of the main window's client area, the building.
#pragma once

#include "win32/accessible_object.h"

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <optional>
#include <string>

class AccessibilityApi;

// The system's own accessible object for a window's client area (its children, where they lie,
// what is at a point), with what only the game knows in its place: its name and its description
// (the building's, with the suspect sought that a sighted player reads from the background's
// colour; the continue dialog's question).
//
// The system's object stays inside: every interface this object hands out is its own, so no
// client ever reaches the system's object with its plain name. The children are enumerated
// (IEnumVARIANT) and the window found (IOleWindow) as the system's object does it.
class ClientAccessible final : public AccessibleObject, public IEnumVARIANT, public IOleWindow {
public:
    using Text = std::function<std::wstring()>;

    // The answer to WM_GETOBJECT for the window's client area; none for any other object, which
    // the window's own procedure answers, and which loads nothing. The name and the description
    // are asked for whenever a screen reader reads them, so they are never stale.
    static std::optional<LRESULT> Answer(HWND window, WPARAM wParam, LPARAM lParam, Text name,
                                         Text description);

    // IUnknown, for all three interfaces
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override {
        return AccessibleObject::QueryInterface(riid, object);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return AccessibleObject::AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return AccessibleObject::Release(); }
    // IAccessible: the name and description of the window itself (CHILDID_SELF) are the game's;
    // the rest is the system's object.
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override;
    HRESULT STDMETHODCALLTYPE get_accChildCount(long* count) override;
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** dispatch) override;
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override;
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override;
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* description) override;
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override;
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override;
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT child, BSTR* help) override;
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT child, long* topic) override;
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT child, BSTR* shortcut) override;
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* children) override;
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override;
    HRESULT STDMETHODCALLTYPE accSelect(long flags, VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accLocation(long* left, long* top, long* width, long* height,
                                          VARIANT child) override;
    HRESULT STDMETHODCALLTYPE accNavigate(long direction, VARIANT start, VARIANT* end) override;
    HRESULT STDMETHODCALLTYPE accHitTest(long left, long top, VARIANT* child) override;
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override;
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT child, BSTR name) override;
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT child, BSTR value) override;
    // IEnumVARIANT: the children, from the system's object
    HRESULT STDMETHODCALLTYPE Next(ULONG count, VARIANT* children, ULONG* fetched) override;
    HRESULT STDMETHODCALLTYPE Skip(ULONG count) override;
    HRESULT STDMETHODCALLTYPE Reset() override;
    HRESULT STDMETHODCALLTYPE Clone(IEnumVARIANT** copy) override;
    // IOleWindow
    HRESULT STDMETHODCALLTYPE GetWindow(HWND* window) override;
    HRESULT STDMETHODCALLTYPE ContextSensitiveHelp(BOOL enter) override;

private:
    ClientAccessible(const AccessibilityApi& api, HWND window, IAccessible* system, Text name,
                     Text description);
    ~ClientAccessible() override;
    void* OtherInterface(REFIID riid) override;

    static bool IsSelf(const VARIANT& child);

    HWND m_window;
    IAccessible* m_system;
    // The system's enumeration of the children; null if its object has none.
    IEnumVARIANT* m_children = nullptr;
    Text m_name;
    Text m_description;
};
