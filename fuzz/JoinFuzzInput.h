#pragma once

#include <cstddef>

// Input of the join fuzzer: a big-endian u32 length n, then the first
// recording's n bytes (fewer when the input is shorter), then the second's.
constexpr size_t kJoinSplitSize = 4;
