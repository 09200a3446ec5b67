#pragma once

#include <vector>

#include "BoxBytes.h"

// Checks, with the test's own readers, that joined holds the join of the
// sources in order: every sample of every track byte for byte, the sync
// samples shifted, timing and durations summed, one data section with the
// first source's recorder record and every source's entries, the first
// source's tail, and the recorder-file marks.
void ExpectJoinOf(const std::vector<Bytes>& sources, const Bytes& joined);
