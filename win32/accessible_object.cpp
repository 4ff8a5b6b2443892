// AccessibleObject: what every accessible object of the game shares, COM's side of it.
#include "win32/accessible_object.h"

#include "win32/accessibility_api.h"

HRESULT AccessibleObject::QueryInterface(REFIID riid, void** object) {
    if (!object)
        return E_POINTER;
    if (riid == IID_IUnknown || riid == IID_IDispatch || riid == IID_IAccessible)
        *object = static_cast<IAccessible*>(this);
    else
        *object = OtherInterface(riid);
    if (!*object)
        return E_NOINTERFACE;
    AddRef();
    return S_OK;
}

ULONG AccessibleObject::AddRef() {
    return static_cast<ULONG>(InterlockedIncrement(&m_references));
}

ULONG AccessibleObject::Release() {
    const LONG left = InterlockedDecrement(&m_references);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT AccessibleObject::GetTypeInfoCount(UINT* count) {
    return m_api.TypeInfoCount(count);
}
HRESULT AccessibleObject::GetTypeInfo(UINT index, LCID /*locale*/, ITypeInfo** info) {
    return m_api.TypeInfo(index, info);
}
HRESULT AccessibleObject::GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID /*locale*/,
                                        DISPID* ids) {
    return m_api.IdsOfNames(riid, names, count, ids);
}
HRESULT AccessibleObject::Invoke(DISPID id, REFIID riid, LCID /*locale*/, WORD flags,
                                 DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                 UINT* argument) {
    return m_api.Invoke(this, riid, id, flags, params, result, exception, argument);
}
