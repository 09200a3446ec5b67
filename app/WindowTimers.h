#pragma once

#include <windows.h>

// Arms and stops the main window's timers. Tests put a recording
// replacement in place to see which timers run.
class WindowTimers {
public:
    virtual ~WindowTimers() = default;
    virtual void Start(HWND window, UINT_PTR id, UINT milliseconds) { SetTimer(window, id, milliseconds, nullptr); }
    virtual void Stop(HWND window, UINT_PTR id) { KillTimer(window, id); }
};
