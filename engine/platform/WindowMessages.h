#pragma once

#include <cstdint>

struct HWND__;

// Posts a message to a window of any thread; false when it could not be
// queued (no such window).
bool PostWindowMessage(HWND__* window, uint32_t message, uintptr_t wParam, intptr_t lParam);

// The window's parent, or null.
HWND__* ParentWindowOf(HWND__* window);
