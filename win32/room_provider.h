// RoomProvider: a room as UI Automation clients (Narrator) read it.
#pragma once

#include "game/room.h"
#include "win32/ui_automation.h"

#include <windows.h>

#include <optional>
#include <string>

class AccessibilityApi;

// The cell's own provider, so that UI Automation uses neither its stock push-button proxy (which
// would read the window text, the bare room number) nor the IAccessible bridge: a Button named by
// its room, with the core's control name as its automation id (as Qt gives it on Windows), whose
// Invoke pattern presses it. Where and whether the cell shows comes from the window, through the
// system's provider for it (the host); a disabled cell is not enabled and cannot be invoked.
//
// As RoomAccessible, it knows its cell by the window only and outlives it safely.
class RoomProvider final : public IRawElementProviderSimple, public IInvokeProvider {
public:
    // The answer to WM_GETOBJECT when UI Automation asks; none for any other object, or where
    // UI Automation is missing.
    static std::optional<LRESULT> Answer(HWND cell, WPARAM wParam, LPARAM lParam, Room room);
    // A new provider for the cell, with one reference for the caller; null where UI Automation is
    // missing.
    static IRawElementProviderSimple* Create(HWND cell, Room room);

    // IUnknown (IRawElementProviderSimple's)
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    // IRawElementProviderSimple
    HRESULT STDMETHODCALLTYPE get_ProviderOptions(ProviderOptions* options) override;
    HRESULT STDMETHODCALLTYPE GetPatternProvider(PATTERNID pattern, IUnknown** provider) override;
    HRESULT STDMETHODCALLTYPE GetPropertyValue(PROPERTYID property, VARIANT* value) override;
    HRESULT STDMETHODCALLTYPE get_HostRawElementProvider(IRawElementProviderSimple** host) override;
    // IInvokeProvider
    HRESULT STDMETHODCALLTYPE Invoke() override;

private:
    RoomProvider(const AccessibilityApi& api, HWND cell, Room room);
    ~RoomProvider() = default;

    LONG m_references = 1;
    const AccessibilityApi& m_api;
    HWND m_cell;
    std::wstring m_name;
    std::wstring m_automationId;
};
