#pragma once

#include <cstdint>

#include "format/CalendarTime.h"

// Calendar fields as written by the recorder, before any normalisation.
struct CalendarFields {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The two steps of a time conversion that depend on the host's time zone.
// The product uses the system's zone; tests use a fixed offset so they never
// depend on the machine they run on.
class LocalTimeZone {
public:
    virtual ~LocalTimeZone() = default;

    // The fields read as local standard time (as mktime with no daylight
    // saving), as seconds since 1970-01-01 UTC. False when not representable.
    virtual bool LocalFieldsToSeconds(const CalendarFields& fields, int64_t& seconds) const = 0;

    // A UTC time as the local time of the same instant.
    virtual bool UtcToLocalTicks(FileTimeTicks utc, FileTimeTicks& local) const = 0;
};

// The host's time zone: the C runtime's mktime and the system's UTC-to-local
// conversion, as the recorder's times have always been read.
const LocalTimeZone& SystemLocalTimeZone();
