// ComApartment: COM for the thread the windows run on, while they live.
#pragma once

#include <objbase.h>

// The rooms hand their accessible objects to screen readers through COM, which the thread must
// have joined; a thread that had already joined stays as it was.
class ComApartment {
public:
    ComApartment()
        : m_joined(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
    ~ComApartment() {
        if (m_joined)
            CoUninitialize();
    }
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool m_joined;
};
