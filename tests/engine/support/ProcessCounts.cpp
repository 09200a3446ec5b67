#include "ProcessCounts.h"

#include <cstdint>

DWORD CountOpenHandles() {
    DWORD open = 0;
    for (uintptr_t value = 4; value < 0x4000; value += 4) {
        DWORD flags = 0;
        if (GetHandleInformation(reinterpret_cast<HANDLE>(value), &flags)) ++open;
    }
    return open;
}

DWORD CountGdiObjects() { return GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS); }
