#include "OverlayFont.h"

// The native build draws nothing: there is no video window to draw on.
HFONT__* CreateOverlayFont(HWND__*, const wchar_t*) { return nullptr; }
void DeleteOverlayFont(HFONT__*) {}
