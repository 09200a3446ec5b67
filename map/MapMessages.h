#pragma once

#include <windows.h>

// Posted by the map bridge to the main window.
// The page has loaded the map library (wParam 0, lParam 0).
constexpr UINT WM_APP_MAP_READY = 0x812D;
// An event point was clicked (wParam 0, lParam its frame number as the page
// gave it; the receiver bounds it before seeking).
constexpr UINT WM_APP_MAP_CRASH_CLICK = 0x812E;
