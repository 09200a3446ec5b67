#pragma once

#include <ctime>

#include "LocalTimeZone.h"

// Both sides read local fields through the C runtime's mktime, with the
// daylight-saving flag clear; a result of -1 counts as failure.
inline bool MktimeLocalFields(const CalendarFields& f, int64_t& seconds) {
    std::tm t{};
    t.tm_year = f.year - 1900;
    t.tm_mon = f.month - 1;
    t.tm_mday = f.day;
    t.tm_hour = f.hour;
    t.tm_min = f.minute;
    t.tm_sec = f.second;
    t.tm_isdst = 0;
    const std::time_t result = std::mktime(&t);
    if (result == static_cast<std::time_t>(-1)) return false;
    seconds = static_cast<int64_t>(result);
    return true;
}
