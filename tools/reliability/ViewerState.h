#pragma once

#include <windows.h>

// What the viewer's main window shows of its state, read from outside.

// Waits until the first clip's data are in (the play button comes on).
bool WaitForClipData(HWND window);
// A job's worker is writing: the progress bar shows and the controls are off.
bool WorkerWriting(HWND window);
