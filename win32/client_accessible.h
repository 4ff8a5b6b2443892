// ClientAccessible: what a screen reader finds of the main window's client area, the building.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <optional>
#include <string>

class AccessibilityApi;

// The system's own accessible object for a window's client area (its children, where they lie,
// what is at a point), with what only the game knows in its place: the building's name, and a
// description of the suspect sought, which a sighted player reads from the background's colour.
//
// The system's object stays inside: every interface this object hands out is its own, so COM's
// identity holds (each gives the same IUnknown) and no client ever reaches the system's object
// with its plain name. The children are enumerated (IEnumVARIANT) and the window found
// (IOleWindow) as the system's object does it.
class ClientAccessible final : public IAccessible, public IEnumVARIANT, public IOleWindow {
public:
    using Description = std::function<std::wstring()>;

    // The answer to WM_GETOBJECT for the window's client area; none for any other object, which
    // the window's own procedure answers. The description is asked for whenever a screen reader
    // reads it, so it is never stale.
    static std::optional<LRESULT> Answer(HWND window, WPARAM wParam, LPARAM lParam,
                                         std::wstring name, Description description);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch: IAccessible's type library, onto the methods below
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override;
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
    ClientAccessible(const AccessibilityApi& api, HWND window, IAccessible* system,
                     std::wstring name, Description description);
    ~ClientAccessible();

    static bool IsSelf(const VARIANT& child);

    LONG m_references = 1;
    const AccessibilityApi& m_api;
    HWND m_window;
    IAccessible* m_system;
    // The system's enumeration of the children; null if its object has none.
    IEnumVARIANT* m_children = nullptr;
    std::wstring m_name;
    Description m_description;
};
