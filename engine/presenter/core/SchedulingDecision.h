#pragma once

#include <cstdint>

// When a queued video frame goes on the screen. Times are in 100 ns units,
// waits in milliseconds.
struct SchedulingDecision {
    bool present = true;  // present now; otherwise keep the frame back
    bool late = false;    // more than a quarter frame behind the clock
    uint32_t waitMs = 0;  // how long a kept-back frame waits; at least 1
};

// A frame is shown when it is late or at most three quarters of a frame
// early; an earlier one waits until it is that close, scaled by the rate.
// At rate 0 (scrubbing) every frame is shown at once.
SchedulingDecision DecideSchedule(int64_t sampleTime, int64_t clockTime, float rate, int64_t quarterFrame);
