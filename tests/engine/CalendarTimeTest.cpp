#include "format/CalendarTime.h"

#include <gtest/gtest.h>

#include "SystemTimes.h"

namespace {

struct KnownInstant {
    SystemTime time;
    FileTimeTicks ticks;
    uint16_t dayOfWeek;  // 0 = Sunday
};

TEST(CalendarTime, KnownInstantsConvertBothWays) {
    const KnownInstant known[] = {
        {CalendarDate(1601, 1, 1), 0, 1},
        {CalendarDate(1970, 1, 1), 116444736000000000ull, 4},
        {CalendarDate(2000, 2, 29, 12, 0, 0), 125962992000000000ull, 2},
        {CalendarDate(2024, 1, 2, 3, 4, 5, 678), 133486382456780000ull, 2},
        {CalendarDate(2099, 12, 31, 23, 59, 59, 999), 157469183999990000ull, 4},
    };
    for (const KnownInstant& k : known) {
        FileTimeTicks ticks = 1;
        ASSERT_TRUE(SystemTimeToTicks(k.time, ticks)) << k.time.wYear;
        EXPECT_EQ(ticks, k.ticks) << k.time.wYear;

        SystemTime back;
        ASSERT_TRUE(TicksToSystemTime(k.ticks, back));
        SystemTime expected = k.time;
        expected.wDayOfWeek = k.dayOfWeek;
        EXPECT_EQ(back, expected) << k.time.wYear;
    }
}

TEST(CalendarTime, RoundTripsEveryDayAcrossLeapRules) {
    // Walk day by day over 1899-2101 (1900 and 2100 are not leap years, 2000 is).
    FileTimeTicks start = 0;
    ASSERT_TRUE(SystemTimeToTicks(CalendarDate(1899, 12, 25), start));
    const FileTimeTicks day = 864000000000ull;
    int previousDayOfWeek = -1;
    for (FileTimeTicks t = start; ; t += day) {
        SystemTime civil;
        ASSERT_TRUE(TicksToSystemTime(t, civil));
        if (civil.wYear > 2101) break;
        FileTimeTicks back = 0;
        ASSERT_TRUE(SystemTimeToTicks(civil, back));
        ASSERT_EQ(back, t) << civil.wYear << "-" << civil.wMonth << "-" << civil.wDay;
        if (previousDayOfWeek >= 0) {
            ASSERT_EQ(civil.wDayOfWeek, (previousDayOfWeek + 1) % 7);
        }
        previousDayOfWeek = civil.wDayOfWeek;
    }
}

TEST(CalendarTime, RefusesWhatTheSystemRefuses) {
    FileTimeTicks ticks = 0;
    EXPECT_FALSE(SystemTimeToTicks(SystemTime{}, ticks));
    EXPECT_FALSE(SystemTimeToTicks(CalendarDate(1600, 12, 31), ticks));
    EXPECT_FALSE(SystemTimeToTicks(CalendarDate(30828, 1, 1), ticks));
    EXPECT_FALSE(SystemTimeToTicks(CalendarDate(2024, 13, 1), ticks));
    EXPECT_FALSE(SystemTimeToTicks(CalendarDate(2023, 2, 29), ticks));
    EXPECT_FALSE(SystemTimeToTicks(CalendarDate(1900, 2, 29), ticks));
    EXPECT_FALSE(SystemTimeToTicks(CalendarDate(2024, 4, 31), ticks));
    EXPECT_FALSE(SystemTimeToTicks(CalendarDate(2024, 1, 1, 24), ticks));
    EXPECT_FALSE(SystemTimeToTicks(CalendarDate(2024, 1, 1, 0, 60), ticks));
    EXPECT_FALSE(SystemTimeToTicks(CalendarDate(2024, 1, 1, 0, 0, 60), ticks));
    EXPECT_FALSE(SystemTimeToTicks(CalendarDate(2024, 1, 1, 0, 0, 0, 1000), ticks));
    EXPECT_TRUE(SystemTimeToTicks(CalendarDate(2024, 2, 29), ticks));

    SystemTime untouched = CalendarDate(2001, 2, 3);
    EXPECT_FALSE(TicksToSystemTime(0x8000000000000000ull, untouched));
    EXPECT_EQ(untouched, CalendarDate(2001, 2, 3));
    EXPECT_TRUE(TicksToSystemTime(0x7FFFFFFFFFFFFFFFull, untouched));
    EXPECT_EQ(untouched.wYear, 30828);
}

}  // namespace
