#pragma once

#include <cstdint>
#include <vector>

#include "ByteView.h"
#include "DataRecords.h"

class LocalTimeZone;

// Handlers for the data section. Each gets the box's data area (the bytes
// from just after "CSMDAT" to the end of the box) and returns 1 on success or
// -1, which fails the walk that called it. None reads outside the area: an
// entry count that runs past it is refused, never read short.
constexpr int32_t kHandlerDone = 1;
constexpr int32_t kHandlerFailed = -1;

// Appends one GPS, G-sensor and OBD record per entry and sets entryCount.
int32_t UdatRecordsHandler(ByteView dataArea, ClipRecords& records, const LocalTimeZone& zone);

// Appends only the GPS record of each entry (the track of a clip group).
int32_t UdatGpsOnlyHandler(ByteView dataArea, std::vector<GpsRecord>& track, const LocalTimeZone& zone);

// Reads the entry count and nothing else.
int32_t UdatCountHandler(ByteView dataArea, uint16_t& count);

// Parses the recorder record, following a "@CS" run while it lies inside the
// area; the last record of the run wins.
int32_t CsRecordHandler(ByteView dataArea, CsRecord& record);
