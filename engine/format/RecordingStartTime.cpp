#include "RecordingStartTime.h"

#include "UdatEntry.h"
#include "platform/LocalTimeZone.h"

int32_t ParseRecordingStartTime(const UdatEntry& entry, SystemTime& out) {
    return ParseRecordingStartTime(entry, out, SystemLocalTimeZone());
}

int32_t ParseRecordingStartTime(const UdatEntry& entry, SystemTime& out, const LocalTimeZone& zone) {
    UtcToLocalSystemTime(ParseGpsFixTime(entry, zone), zone, out);
    return 0;
}
