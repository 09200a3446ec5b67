#include "WindowMessages.h"

// There are no windows on this host.
bool PostWindowMessage(HWND__*, uint32_t, uintptr_t, intptr_t) { return false; }

HWND__* ParentWindowOf(HWND__*) { return nullptr; }
