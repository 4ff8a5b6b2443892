// UI Automation: what a provider needs that MinGW-w64's headers leave out.
#pragma once

#include <windows.h>

#include <ole2.h>
#include <uiautomationcore.h>

// Its API header cannot be included from C++ (a parameter there is called "new"), and the
// control types and the Invoke pattern's interface are missing. These are Microsoft's published
// values.
namespace Uia {
inline constexpr LONG kRootObjectId = -25; // WM_GETOBJECT's lParam when UI Automation asks
inline constexpr CONTROLTYPEID kButtonControlType = 50000;
inline constexpr HRESULT kElementNotEnabled = static_cast<HRESULT>(0x80040200);
inline constexpr HRESULT kElementNotAvailable = static_cast<HRESULT>(0x80040201);

using ReturnRawElementProviderFn = LRESULT(WINAPI*)(HWND, WPARAM, LPARAM,
                                                    IRawElementProviderSimple*);
using HostProviderFromHwndFn = HRESULT(WINAPI*)(HWND, IRawElementProviderSimple**);
} // namespace Uia

// The Invoke pattern of a provider: a push button's press.
MIDL_INTERFACE("54fcb24b-e18e-47a2-b4d3-eccbe77599a2")
IInvokeProvider : public IUnknown {
public:
    virtual HRESULT STDMETHODCALLTYPE Invoke() = 0;
};
__CRT_UUID_DECL(IInvokeProvider, 0x54fcb24b, 0xe18e, 0x47a2, 0xb4, 0xd3, 0xec, 0xcb, 0xe7, 0x75,
                0x99, 0xa2)
