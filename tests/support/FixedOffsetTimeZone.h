#pragma once

#include "platform/LocalTimeZone.h"

// A time zone at a fixed offset from UTC with no daylight saving, so tests
// give the same answer on any machine. It can be told to refuse local
// fields, as mktime does for times it cannot represent.
class FixedOffsetTimeZone final : public LocalTimeZone {
public:
    explicit FixedOffsetTimeZone(int minutesEastOfUtc = 0, bool refuseLocalFields = false)
        : offsetSeconds_(minutesEastOfUtc * 60), refuseLocalFields_(refuseLocalFields) {}

    bool LocalFieldsToSeconds(const CalendarFields& fields, int64_t& seconds) const override;
    bool UtcToLocalTicks(FileTimeTicks utc, FileTimeTicks& local) const override;

private:
    int64_t offsetSeconds_;
    bool refuseLocalFields_;
};
