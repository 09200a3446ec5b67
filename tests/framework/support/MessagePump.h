#pragma once

#include <windows.h>

#include <functional>

namespace testing_support {

// Dispatches the calling thread's messages until done() holds or the time
// runs out; TRUE when done() held. Sent messages from other threads are
// handled while waiting, so a worker may disable or message a window of
// this thread.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);

// Dispatches what is queued now.
void PumpPending();

// Waits for a handle while dispatching this thread's messages.
bool WaitPumping(HANDLE handle, DWORD timeoutMs = 5000);

}  // namespace testing_support
