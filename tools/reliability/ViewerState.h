#pragma once

#include <windows.h>

// What the viewer's main window shows of its state, read from outside.

// Waits until the first clip's data are in (the play button comes on).
bool WaitForClipData(HWND window);
// Plays the first clip once its data are in, and waits until the window
// shows the position moving. False when it never got there.
bool PlayFirstClip(HWND window);
// A job's worker is writing: the progress bar shows and the controls are off.
bool WorkerWriting(HWND window);
