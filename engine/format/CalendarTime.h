#pragma once

#include <cstdint>

// A calendar time laid out like the platform's SYSTEMTIME, so records can be
// handed to the window code unchanged.
struct SystemTime {
    uint16_t wYear = 0;
    uint16_t wMonth = 0;
    uint16_t wDayOfWeek = 0;
    uint16_t wDay = 0;
    uint16_t wHour = 0;
    uint16_t wMinute = 0;
    uint16_t wSecond = 0;
    uint16_t wMilliseconds = 0;

    bool IsZero() const {
        return (wYear | wMonth | wDayOfWeek | wDay | wHour | wMinute | wSecond | wMilliseconds) == 0;
    }
};
static_assert(sizeof(SystemTime) == 16, "SystemTime must match SYSTEMTIME");

inline bool operator==(const SystemTime& a, const SystemTime& b) {
    return a.wYear == b.wYear && a.wMonth == b.wMonth && a.wDayOfWeek == b.wDayOfWeek &&
           a.wDay == b.wDay && a.wHour == b.wHour && a.wMinute == b.wMinute &&
           a.wSecond == b.wSecond && a.wMilliseconds == b.wMilliseconds;
}
inline bool operator!=(const SystemTime& a, const SystemTime& b) { return !(a == b); }

// FILETIME as one number: 100-ns ticks since 1601-01-01 00:00:00 UTC.
using FileTimeTicks = uint64_t;

constexpr int64_t kSecondsFrom1601To1970 = 11644473600;
constexpr int64_t kTicksPerSecond = 10000000;

// The conversions of SystemTimeToFileTime and FileTimeToSystemTime, done in
// plain arithmetic so they give the same answer on every host. They refuse
// what those functions refuse: fields out of range, years outside 1601-30827,
// tick counts with the top bit set.
bool SystemTimeToTicks(const SystemTime& time, FileTimeTicks& ticks);
bool TicksToSystemTime(FileTimeTicks ticks, SystemTime& time);
