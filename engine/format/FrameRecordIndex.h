#pragma once

#include <cstdint>

#include "DataRecords.h"

// Maps every video frame to the G-sensor record shown with it and links each
// G-sensor record to the GPS and OBD records shown beside it.
//
// frameCount is the clip's frame count, frameDurationMs the length of one
// frame. The record times are rewritten from milliseconds to frame numbers,
// so this runs once on freshly parsed records. Returns false, leaving the
// index as it was, when frameCount < 1; returns false with an empty index
// when there are no records or the duration is 0 (no frame may point at a
// record that does not exist).
bool BuildFrameRecordIndex(ClipRecords& records, int64_t frameCount, float frameDurationMs);
