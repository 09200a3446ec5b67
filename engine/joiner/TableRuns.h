#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "index/MovieBoxIndex.h"

// The run tables of a track: "stts" (sample count, delta) and "stsc" (first
// chunk, samples per chunk, description). Read here where the joiner checks
// them, and merged in MovieJoinerRuns.cpp.
namespace TableRuns {

// The box of the given type beside a track's "stsz"; null when there is none.
const BoxNode* TrackTable(const MovieBoxIndex& index, size_t track, const char* type);
BoxNode* TrackTable(MovieBoxIndex& index, size_t track, const char* type);

// The entry count, when the body holds that many entries of entrySize
// bytes after its 8-byte head.
std::optional<uint32_t> EntryCount(const BoxNode& table, size_t entrySize);

// The samples the timing runs count; nothing when the entries are not all there.
std::optional<uint64_t> TimedSamples(const BoxNode& stts);
// The first run's delta; nothing when there is no run.
std::optional<uint32_t> FirstDelta(const BoxNode& stts);

// The samples the chunk runs place in the given number of chunks; nothing
// unless the runs start at chunk 1, go forward, stay within the chunks and
// each names a sample count and one of the descriptions.
std::optional<uint64_t> ChunkedSamples(const BoxNode& stsc, uint32_t chunks, uint32_t descriptions);

// The number of sample descriptions an "stsd" holds; 0 without one.
uint32_t DescriptionCount(const BoxNode* stsd);

}  // namespace TableRuns
