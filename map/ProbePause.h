#pragma once

#include <windows.h>

#include <atomic>

#include "framework/Handles.h"

// The connectivity monitor's wait between probes, which its stop cuts
// short. It waits on an event; should the event not be made, it sleeps in
// short steps and watches the stop instead, so the monitor still probes
// and still ends promptly.
class ProbePause {
public:
    ProbePause() : ProbePause(fw::UniqueHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr))) {}
    explicit ProbePause(fw::UniqueHandle wake) : wake_(std::move(wake)) {}

    // Waits the interval: true when it ran its course, false once stopped.
    bool Wait(DWORD milliseconds) const;
    void Stop();
    bool Stopped() const { return stopped_.load(); }

private:
    fw::UniqueHandle wake_;
    std::atomic<bool> stopped_{false};
};
