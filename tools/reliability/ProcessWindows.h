#pragma once

#include <windows.h>

#include <string>

// The top-level windows of another process, as the driver looks for them.

// A visible top-level window of the process with this title.
HWND WindowTitled(DWORD process, const wchar_t* title);
// A visible dialog box ("#32770") of the process other than `except`
// (the main window is a dialog too).
HWND BoxOf(DWORD process, HWND except);
// The message text of a message box.
std::wstring BoxMessage(HWND box);

constexpr DWORD kPollMs = 20;

template <class Condition>
bool WaitUntil(Condition condition, DWORD limitMs) {
    const ULONGLONG deadline = GetTickCount64() + limitMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(kPollMs);
    }
    return true;
}
