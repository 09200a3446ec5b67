#pragma once

#include <cstddef>

// Input of the data-section fuzzer: a big-endian u16 frame count, a
// big-endian u16 "stts" sample delta, then a data area (the bytes of a
// "udat" box from just after "CSMDAT").
constexpr size_t kFuzzFrameCountOffset = 0;
constexpr size_t kFuzzFrameDeltaOffset = 2;
constexpr size_t kFuzzDataAreaOffset = 4;

// Input of the join fuzzer: a big-endian u32 length n, then the first
// recording's n bytes (fewer when the input is shorter), then the second's.
constexpr size_t kJoinSplitSize = 4;
