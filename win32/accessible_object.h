// AccessibleObject: what every accessible object of the game shares, COM's side of it.
#pragma once

#include <windows.h>

#include <oleacc.h>

class AccessibilityApi;

// The reference count, the answer to IUnknown, IDispatch and IAccessible (the object itself),
// and IDispatch through IAccessible's type library, so that a late-bound client reaches the very
// methods the object implements. An object with more interfaces names them in OtherInterface;
// every interface it hands out is its own, so COM's identity holds (each gives the same
// IUnknown). Created with one reference, it deletes itself when the last one goes.
class AccessibleObject : public IAccessible {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT index, LCID locale, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID riid, LPOLESTR* names, UINT count, LCID locale,
                                            DISPID* ids) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID riid, LCID locale, WORD flags,
                                     DISPPARAMS* params, VARIANT* result, EXCEPINFO* exception,
                                     UINT* argument) override;

protected:
    explicit AccessibleObject(const AccessibilityApi& api)
        : m_api(api) {}
    virtual ~AccessibleObject() = default;
    AccessibleObject(const AccessibleObject&) = delete;
    AccessibleObject& operator=(const AccessibleObject&) = delete;

    // The object as the interface riid, beyond IAccessible and its bases; null for none.
    virtual void* OtherInterface(REFIID /*riid*/) { return nullptr; }

    const AccessibilityApi& m_api;

private:
    LONG m_references = 1;
};
