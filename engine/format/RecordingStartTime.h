#pragma once

#include <cstdint>

#include "CalendarTime.h"

class LocalTimeZone;
class UdatEntry;

// The local time at which a recording started, from its first entry: the
// fix time with its correction, read as local time and converted back, so
// the recorder's own digits come out. out is left as it was when that time
// cannot be formed. Returns 0.
int32_t ParseRecordingStartTime(const UdatEntry& entry, SystemTime& out);
int32_t ParseRecordingStartTime(const UdatEntry& entry, SystemTime& out, const LocalTimeZone& zone);
