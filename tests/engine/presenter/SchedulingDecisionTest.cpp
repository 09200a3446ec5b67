#include <gtest/gtest.h>

#include "core/SchedulingDecision.h"

namespace {

// 30 frames a second: a frame lasts 333333 units, a quarter 83333.
constexpr int64_t kQuarter = 83333;

struct Case {
    const char* name;
    int64_t delta;  // sample time - clock time
    float rate;
    bool present;
    bool late;
    uint32_t waitMs;
};

TEST(SchedulingDecision, PresentsDueFramesAndKeepsEarlyOnesBack) {
    const Case cases[] = {
        {"20 ms late", -200000, 1.0f, true, true, 0},
        {"20 ms early", 200000, 1.0f, true, false, 0},
        {"three quarters early", 3 * kQuarter, 1.0f, true, false, 0},
        {"40 ms early", 400000, 1.0f, false, false, 15},
        {"40 ms early at double speed", 400000, 2.0f, false, false, 7},
        {"a little over three quarters early", 3 * kQuarter + 5000, 1.0f, false, false, 1},
        {"backwards, after the clock", -400000, -1.0f, false, false, 15},
        {"backwards, before the clock", 200000, -1.0f, true, true, 0},
        {"scrubbing", 4000000, 0.0f, true, false, 0},
    };
    const int64_t clock = 10000000;
    for (const Case& c : cases) {
        const SchedulingDecision d = DecideSchedule(clock + c.delta, clock, c.rate, kQuarter);
        EXPECT_EQ(d.present, c.present) << c.name;
        EXPECT_EQ(d.late, c.late) << c.name;
        EXPECT_EQ(d.waitMs, c.waitMs) << c.name;
    }
}

}  // namespace
