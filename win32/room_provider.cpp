// RoomProvider: a room as UI Automation clients (Narrator) read it.
#include "win32/room_provider.h"

#include "game/main_window.h"
#include "win32/accessibility_api.h"
#include "win32/wide_text.h"

#include <uiautomationclient.h>

namespace {
void SetBool(VARIANT* value, bool on) {
    value->vt = VT_BOOL;
    value->boolVal = on ? VARIANT_TRUE : VARIANT_FALSE;
}
} // namespace

std::optional<LRESULT> RoomProvider::Answer(HWND cell, WPARAM wParam, LPARAM lParam, Room room) {
    if (static_cast<LONG>(lParam) != Uia::kRootObjectId)
        return std::nullopt;
    IRawElementProviderSimple* provider = Create(cell, room);
    if (!provider)
        return std::nullopt;
    const LRESULT result =
        AccessibilityApi::Get()->uiaReturnRawElementProvider(cell, wParam, lParam, provider);
    provider->Release();
    return result;
}

IRawElementProviderSimple* RoomProvider::Create(HWND cell, Room room) {
    const AccessibilityApi* api = AccessibilityApi::Get();
    if (!api || !api->uiaReturnRawElementProvider)
        return nullptr;
    return new RoomProvider(*api, cell, room);
}

RoomProvider::RoomProvider(const AccessibilityApi& api, HWND cell, Room room)
    : m_api(api)
    , m_cell(cell)
    , m_name(Widen(room.AccessibleName()))
    , m_automationId(Widen(MainWindow::CellControl(room.Index()))) {}

HRESULT RoomProvider::QueryInterface(REFIID riid, void** object) {
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == __uuidof(IRawElementProviderSimple)) {
        *object = static_cast<IRawElementProviderSimple*>(this);
    } else if (riid == __uuidof(IInvokeProvider)) {
        *object = static_cast<IInvokeProvider*>(this);
    } else {
        *object = nullptr;
        return E_NOINTERFACE;
    }
    AddRef();
    return S_OK;
}

ULONG RoomProvider::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG RoomProvider::Release() {
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT RoomProvider::get_ProviderOptions(ProviderOptions* options) {
    if (!options)
        return E_POINTER;
    // Called on the windows' thread, as COM's rules have it; MSAA clients get RoomAccessible.
    *options = static_cast<ProviderOptions>(ProviderOptions_ServerSideProvider |
                                            ProviderOptions_UseComThreading |
                                            ProviderOptions_HasNativeIAccessible);
    return S_OK;
}

HRESULT RoomProvider::GetPatternProvider(PATTERNID pattern, IUnknown** provider) {
    if (!provider)
        return E_POINTER;
    *provider = nullptr;
    if (!IsWindow(m_cell))
        return Uia::kElementNotAvailable;
    if (pattern == UIA_InvokePatternId)
        return QueryInterface(__uuidof(IInvokeProvider), reinterpret_cast<void**>(provider));
    return S_OK;
}

HRESULT RoomProvider::GetPropertyValue(PROPERTYID property, VARIANT* value) {
    if (!value)
        return E_POINTER;
    *value = VARIANT{};
    value->vt = VT_EMPTY;
    if (!IsWindow(m_cell))
        return Uia::kElementNotAvailable;
    const bool enabled = IsWindowEnabled(m_cell);
    switch (property) {
    case UIA_NamePropertyId:
    case UIA_AutomationIdPropertyId:
        value->bstrVal = m_api.Copy(property == UIA_NamePropertyId ? m_name : m_automationId);
        if (!value->bstrVal)
            return E_OUTOFMEMORY;
        value->vt = VT_BSTR;
        break;
    case UIA_ControlTypePropertyId:
        value->vt = VT_I4;
        value->lVal = Uia::kButtonControlType;
        break;
    // The host tells these too; said here, they hold wherever the host says less.
    case UIA_IsEnabledPropertyId:
    case UIA_IsKeyboardFocusablePropertyId:
        SetBool(value, enabled);
        break;
    case UIA_HasKeyboardFocusPropertyId:
        SetBool(value, GetFocus() == m_cell);
        break;
    default:
        break; // the host's, or none
    }
    return S_OK;
}

HRESULT RoomProvider::get_HostRawElementProvider(IRawElementProviderSimple** host) {
    if (!host)
        return E_POINTER;
    *host = nullptr;
    if (!IsWindow(m_cell))
        return Uia::kElementNotAvailable;
    return m_api.uiaHostProviderFromHwnd(m_cell, host);
}

HRESULT RoomProvider::Invoke() {
    if (!IsWindow(m_cell))
        return Uia::kElementNotAvailable;
    if (!IsWindowEnabled(m_cell))
        return Uia::kElementNotEnabled;
    // Posted, so that the visit and its boxes run after the call has returned, as UI Automation
    // requires of Invoke.
    return PostMessageW(m_cell, BM_CLICK, 0, 0) ? S_OK : E_FAIL;
}
