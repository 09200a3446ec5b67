#pragma once

#include <windows.h>
#include <mfidl.h>

#include "framework/ComPtr.h"

// Wine's media source runs its commands (start, pause, stop) on a thread of
// its own and writes its new state after it has sent the event that
// announces the command's end; its shutdown takes no lock against that. A
// shutdown that falls between the two is undone: the source then believes
// itself running, and its last release shuts it down a second time, freeing
// what is already freed. A running command holds a reference to the source,
// so the source is shut down once its count is back to the references it
// keeps while idle.

// Those references, counted before the session lets go of the source: the
// caller's, one from each of the source's streams, and, once the session
// has started, the session's standing request for the source's events.
ULONG IdleReferencesOf(IMFMediaSource* source, bool sessionStarted);

// Shuts the source down once its commands have returned, or after a bounded
// wait. The session must be shut down already, and `source` must be the
// caller's only reference.
void ShutDownWhenIdle(fw::ComPtr<IMFMediaSource>& source, ULONG idleReferences);
