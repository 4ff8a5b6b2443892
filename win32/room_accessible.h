// RoomAccessible: a room as Microsoft Active Accessibility clients (NVDA, JAWS) read it.
#pragma once

#include "game/room.h"
#include "win32/accessible_object.h"

#include <windows.h>

#include <oleacc.h>

#include <optional>
#include <string>

class AccessibilityApi;

// The client area of a room's cell, which has no children: a push button named by its room,
// focusable, unavailable while the cell is disabled, whose default action presses it.
//
// It knows its cell by the window only, so a screen reader may keep it after the cell is gone:
// it then answers that it is no longer connected.
class RoomAccessible final : public AccessibleObject {
public:
    // The answer to WM_GETOBJECT for the cell's client area; none for any other object.
    static std::optional<LRESULT> Answer(HWND cell, WPARAM wParam, LPARAM lParam, Room room);

    // IAccessible
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
    RoomAccessible(const AccessibilityApi& api, HWND cell, Room room);
    ~RoomAccessible() override = default;

    // S_OK when child is the room itself and its cell still exists, else the error to return.
    HRESULT Check(const VARIANT& child) const;
    HRESULT Text(const VARIANT& child, const wchar_t* text, BSTR* out) const;

    HWND m_cell;
    std::wstring m_name;
};
