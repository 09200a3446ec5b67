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

// Presses a button and returns once the dialog has handled the press, so
// what it did (a refusal, a browse) can be checked without waiting a time.
void PressButtonAndWait(HWND dialog, int id);

// Waits until the window is gone.
bool WaitUntilClosed(HWND window, DWORD timeoutMs = 5000);

}  // namespace testing_support
