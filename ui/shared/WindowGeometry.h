#pragma once

#include <windows.h>

// The other window's rectangle in coordinates whose origin is the
// reference window's top-left corner (of its window rectangle, frame
// included, not its client area).
RECT GetRectRelativeTo(HWND reference, HWND other);
