// AccessibilityApi: COM, oleacc and UI Automation, for screen readers only.

// The accessibility interfaces' identifiers are defined here, in the program. MinGW's oleacc
// import library offers them only as data imported from oleacc.dll, which, referenced without
// dllimport, yields the address of an import thunk instead of the identifier; and the game links
// no import library of these DLLs.
#include <initguid.h>

#include "win32/accessibility_api.h"

#include <atomic>
#include <string>

namespace {
std::atomic<bool> g_loaded{false};
thread_local bool t_joined = false;

// From the system's folder only, never from the game's.
HMODULE LoadSystemLibrary(const wchar_t* name) {
    wchar_t folder[MAX_PATH];
    const UINT length = GetSystemDirectoryW(folder, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return nullptr;
    return LoadLibraryW((std::wstring(folder, length) + L"\\" + name).c_str());
}

template <typename Function> void Find(HMODULE library, const char* name, Function& function) {
    if (library)
        function =
            reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(library, name)));
}

// COM hands the objects over; the thread joins it once and stays (one that had joined already
// stays as it was). A screen reader may hold an object as long as it likes, so the apartment
// outlives the windows.
void JoinCom(HMODULE ole32) {
    if (t_joined)
        return;
    decltype(&CoInitializeEx) coInitializeEx = nullptr;
    Find(ole32, "CoInitializeEx", coInitializeEx);
    if (coInitializeEx)
        coInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    t_joined = true;
}

HMODULE Ole32() {
    static const HMODULE ole32 = LoadSystemLibrary(L"ole32.dll");
    return ole32;
}
} // namespace

AccessibilityApi::AccessibilityApi() {
    g_loaded = true;
    JoinCom(Ole32());
    const HMODULE oleaut32 = LoadSystemLibrary(L"oleaut32.dll");
    Find(oleaut32, "SysAllocStringLen", m_sysAllocStringLen);
    Find(oleaut32, "DispGetIDsOfNames", m_dispGetIDsOfNames);
    Find(oleaut32, "DispInvoke", m_dispInvoke);
    const HMODULE oleacc = LoadSystemLibrary(L"oleacc.dll");
    Find(oleacc, "LresultFromObject", lresultFromObject);
    Find(oleacc, "CreateStdAccessibleObject", createStdAccessibleObject);
    Find(oleacc, "AccessibleObjectFromWindow", accessibleObjectFromWindow);
    const HMODULE uia = LoadSystemLibrary(L"uiautomationcore.dll");
    Find(uia, "UiaReturnRawElementProvider", uiaReturnRawElementProvider);
    Find(uia, "UiaHostProviderFromHwnd", uiaHostProviderFromHwnd);
    if (!uiaReturnRawElementProvider || !uiaHostProviderFromHwnd)
        uiaReturnRawElementProvider = nullptr;

    decltype(&LoadRegTypeLib) loadRegTypeLib = nullptr;
    Find(oleaut32, "LoadRegTypeLib", loadRegTypeLib);
    ITypeLib* library = nullptr;
    if (loadRegTypeLib && SUCCEEDED(loadRegTypeLib(LIBID_Accessibility, 1, 1, 0, &library))) {
        library->GetTypeInfoOfGuid(IID_IAccessible, &m_accessibleType);
        library->Release();
    }
}

bool AccessibilityApi::Complete() const {
    return Ole32() && m_sysAllocStringLen && m_dispGetIDsOfNames && m_dispInvoke &&
           lresultFromObject && createStdAccessibleObject && accessibleObjectFromWindow;
}

const AccessibilityApi* AccessibilityApi::Get() {
    static const AccessibilityApi api;
    if (!api.Complete())
        return nullptr;
    JoinCom(Ole32());
    return &api;
}

bool AccessibilityApi::Loaded() {
    return g_loaded;
}

BSTR AccessibilityApi::Copy(std::wstring_view text) const {
    return m_sysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

HRESULT AccessibilityApi::TypeInfoCount(UINT* count) const {
    if (!count)
        return E_INVALIDARG;
    *count = m_accessibleType ? 1 : 0;
    return S_OK;
}

HRESULT AccessibilityApi::TypeInfo(UINT index, ITypeInfo** info) const {
    if (!info)
        return E_INVALIDARG;
    *info = nullptr;
    if (index != 0 || !m_accessibleType)
        return DISP_E_BADINDEX;
    m_accessibleType->AddRef();
    *info = m_accessibleType;
    return S_OK;
}

HRESULT AccessibilityApi::IdsOfNames(REFIID riid, LPOLESTR* names, UINT count, DISPID* ids) const {
    if (riid != GUID{}) // IID_NULL
        return DISP_E_UNKNOWNINTERFACE;
    if (!m_accessibleType)
        return E_NOTIMPL;
    return m_dispGetIDsOfNames(m_accessibleType, names, count, ids);
}

HRESULT AccessibilityApi::Invoke(IAccessible* object, REFIID riid, DISPID id, WORD flags,
                                 DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                 UINT* argument) const {
    if (riid != GUID{}) // IID_NULL
        return DISP_E_UNKNOWNINTERFACE;
    if (!m_accessibleType)
        return E_NOTIMPL;
    return m_dispInvoke(object, m_accessibleType, id, flags, params, result, exception, argument);
}
