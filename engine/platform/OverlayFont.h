#pragma once

struct HWND__;
struct HFONT__;

// The bold Shift-JIS font of the text drawn over the video: 42 points at the
// video window's vertical DPI. Null when the window has no device context.
HFONT__* CreateOverlayFont(HWND__* window, const wchar_t* faceName);
void DeleteOverlayFont(HFONT__* font);
