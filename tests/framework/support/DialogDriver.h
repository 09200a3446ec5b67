#pragma once

#include <windows.h>

#include <string>

namespace testing_support {

// Finds the visible dialog ("#32770") of a thread, optionally by caption;
// null when none shows up within the time.
HWND WaitForDialog(DWORD threadId, const std::wstring& caption = L"", DWORD timeoutMs = 5000);

// Presses a dialog button the way a click does: WM_COMMAND with BN_CLICKED
// from the button, posted so that the caller never waits on the dialog.
void PressButton(HWND dialog, int id);

// Waits until the window is gone.
bool WaitUntilClosed(HWND window, DWORD timeoutMs = 5000);

}  // namespace testing_support
