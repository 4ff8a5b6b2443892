// AccessibilityApi: COM, oleacc and UI Automation, for screen readers only.
#pragma once

#include "win32/ui_automation.h"

#include <windows.h>

#include <oleacc.h>

#include <string_view>

// Only a screen reader needs these libraries, so the game starts without them: they are loaded,
// from the system's folder, on the first question one asks (WM_GETOBJECT), and the windows'
// thread joins COM then, for the rest of its life. QUV.exe imports none of them.
class AccessibilityApi {
public:
    // The libraries, loaded on the first call; null when one is missing, which no Windows since
    // 7 is. Call it on the windows' thread only.
    static const AccessibilityApi* Get();
    // Whether a screen reader has asked yet, without loading anything.
    static bool Loaded();

    // A copy of text for a caller that frees it (SysFreeString); null when out of memory.
    BSTR Copy(std::wstring_view text) const;

    // IDispatch for an accessible object, from IAccessible's own type library (which oleacc
    // registers): a late-bound client reaches the very methods that object implements.
    HRESULT TypeInfoCount(UINT* count) const;
    HRESULT TypeInfo(UINT index, ITypeInfo** info) const;
    HRESULT IdsOfNames(REFIID riid, LPOLESTR* names, UINT count, DISPID* ids) const;
    HRESULT Invoke(IAccessible* object, REFIID riid, DISPID id, WORD flags, DISPPARAMS* params,
                   VARIANT* result, EXCEPINFO* exception, UINT* argument) const;

    decltype(&LresultFromObject) lresultFromObject = nullptr;
    decltype(&CreateStdAccessibleObject) createStdAccessibleObject = nullptr;
    decltype(&AccessibleObjectFromWindow) accessibleObjectFromWindow = nullptr;
    // Null where UI Automation is missing: its clients then read the IAccessible objects.
    Uia::ReturnRawElementProviderFn uiaReturnRawElementProvider = nullptr;
    Uia::HostProviderFromHwndFn uiaHostProviderFromHwnd = nullptr;

private:
    AccessibilityApi();
    bool Complete() const;

    decltype(&SysAllocStringLen) m_sysAllocStringLen = nullptr;
    decltype(&DispGetIDsOfNames) m_dispGetIDsOfNames = nullptr;
    decltype(&DispInvoke) m_dispInvoke = nullptr;
    ITypeInfo* m_accessibleType = nullptr;
};
