// ClientAccessible: what a screen reader finds of one of the game's windows.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <functional>
#include <optional>
#include <string>

// The system's own accessible object for a window's client area, with what only the game knows
// in its place. A room's caption is its number, which the game reads and never shows: a screen
// reader should say the room's name (Room::AccessibleName) and know the cell as a push button
// that a press visits. The building should be called so, and describe the suspect sought, which
// a sighted player reads from the background's colour.
class ClientAccessible final : public IAccessible {
public:
    struct Overrides {
        std::wstring name;
        // Asked whenever a screen reader reads it, so it is never stale; none: the system's.
        std::function<std::wstring()> description;
        // A push button, whose default action presses it.
        bool pushButton = false;
    };

    // The answer to WM_GETOBJECT for the window's client area; none for any other object, which
    // the window's own procedure answers.
    static std::optional<LRESULT> Answer(HWND window, WPARAM wParam, LPARAM lParam,
                                         Overrides overrides);

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IDispatch
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override;
    // IAccessible: the overridden ones answer for the window itself (CHILDID_SELF); the rest is
    // the system's object.
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

private:
    ClientAccessible(HWND window, IAccessible* system, Overrides overrides);
    ~ClientAccessible();

    static bool IsSelf(const VARIANT& child);

    LONG m_references = 1;
    HWND m_window;
    IAccessible* m_system;
    Overrides m_overrides;
};
