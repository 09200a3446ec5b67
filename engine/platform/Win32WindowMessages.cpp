#include <windows.h>

#include "WindowMessages.h"

bool PostWindowMessage(HWND__* window, uint32_t message, uintptr_t wParam, intptr_t lParam) {
    return PostMessageW(window, message, wParam, lParam) != FALSE;
}

HWND__* ParentWindowOf(HWND__* window) { return window ? GetParent(window) : nullptr; }
