// AccessibleNames: what a screen reader calls a control, where its caption says something else.
#include "win32/accessible_names.h"

#include <initguid.h>

#include <oleacc.h>

namespace {
const MSAAPROPID kProperties[] = {PROPID_ACC_NAME, PROPID_ACC_ROLE};
} // namespace

AccessibleNames::AccessibleNames() {
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    m_comStarted = SUCCEEDED(started);
    if (FAILED(CoCreateInstance(CLSID_AccPropServices, nullptr, CLSCTX_INPROC_SERVER,
                                IID_IAccPropServices, reinterpret_cast<void**>(&m_services))))
        m_services = nullptr;
}

AccessibleNames::~AccessibleNames() {
    if (m_services)
        m_services->Release();
    if (m_comStarted)
        CoUninitialize();
}

bool AccessibleNames::Name(HWND control, const std::wstring& name) {
    if (!m_services)
        return false;
    VARIANT role;
    VariantInit(&role);
    role.vt = VT_I4;
    role.lVal = ROLE_SYSTEM_PUSHBUTTON;
    return SUCCEEDED(m_services->SetHwndPropStr(control, static_cast<DWORD>(OBJID_CLIENT),
                                                CHILDID_SELF, PROPID_ACC_NAME, name.c_str())) &&
           SUCCEEDED(m_services->SetHwndProp(control, static_cast<DWORD>(OBJID_CLIENT),
                                             CHILDID_SELF, PROPID_ACC_ROLE, role));
}

void AccessibleNames::Forget(HWND control) {
    if (m_services)
        m_services->ClearHwndProps(control, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                   kProperties, 2);
}
