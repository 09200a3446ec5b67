#include "SchedulingDecision.h"

#include <cmath>

namespace {

constexpr int64_t kHundredNanosecondsPerMs = 10000;
// The longest finite wait: the scheduler's thread reads all ones as "no
// time-out".
constexpr double kLongestWaitMs = 0xFFFFFFFE;

}  // namespace

SchedulingDecision DecideSchedule(int64_t sampleTime, int64_t clockTime, float rate, int64_t quarterFrame) {
    SchedulingDecision decision;
    if (rate == 0.0f) return decision;

    int64_t delta = sampleTime - clockTime;
    if (rate < 0.0f) delta = -delta;
    if (delta < -quarterFrame) {
        decision.late = true;
        return decision;
    }
    if (delta <= 3 * quarterFrame) return decision;

    // A frame kept back always waits a little: a wait of 0 would leave it
    // queued until some later message, and the clip's last frame gets none.
    const double ms = static_cast<double>((delta - 3 * quarterFrame) / kHundredNanosecondsPerMs) / std::fabs(rate);
    decision.present = false;
    decision.waitMs = ms < 1.0 ? 1u : static_cast<uint32_t>(ms < kLongestWaitMs ? ms : kLongestWaitMs);
    return decision;
}
