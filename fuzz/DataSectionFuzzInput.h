#pragma once

#include <cstddef>
#include <cstdint>

// Input of the data-section fuzzer: a big-endian u16 frame count, a
// big-endian u16 "stts" sample delta, then a data area (the bytes of a
// "udat" box from just after "CSMDAT").
constexpr size_t kFuzzFrameCountOffset = 0;
constexpr size_t kFuzzFrameDeltaOffset = 2;
constexpr size_t kFuzzDataAreaOffset = 4;
