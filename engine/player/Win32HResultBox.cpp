#include <windows.h>

#include "CheckHResult.h"
#include "PlayerEngine.h"

void ShowHResultBox(const std::wstring& text) {
    // Owned by the main window, so the box stays in front of it even in
    // full screen and the user cannot reach the window behind it.
    HWND video = ThePlayerEngine().videoWindow;
    HWND owner = video ? GetAncestor(video, GA_ROOT) : nullptr;
    MessageBoxW(owner, text.c_str(), L"ERROR", MB_OK);
}
