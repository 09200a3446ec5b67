#pragma once

#include <cstdint>

#include "format/DataRecords.h"

// Reading the shown clip's records frame by frame. The frame index and the
// links come from one parse of file data and are checked before use: a
// frame outside the index, or a link outside its record array, reads as
// no record.

const GSensorRecord* FrameRecord(const ClipRecords* records, int64_t frame);
const GpsRecord* LinkedGps(const ClipRecords* records, const GSensorRecord& record);
const ObdRecord* LinkedObd(const ClipRecords* records, const GSensorRecord& record);

// Whether a pointer names an element of the clip's G-sensor records.
bool IsShownRecord(const ClipRecords& records, const GSensorRecord* record);
