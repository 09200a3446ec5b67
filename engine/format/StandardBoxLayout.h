#pragma once

#include <cstddef>
#include <cstdint>

// Fields of the standard movie boxes that the system reads or rewrites,
// counted from the start of each box's body. Every number is a big-endian
// u32 unless said otherwise. The box index reads them and the joiner
// rewrites them, both through these names.
namespace StandardBoxLayout {

// Version and flags open every full box; the offsets below hold for version 0.
constexpr size_t kVersion = 0;

// "stts": time-to-sample runs of (sample count, sample delta).
constexpr size_t kSttsEntryCount = 4;
constexpr size_t kSttsTable = 8;
constexpr size_t kSttsEntrySize = 8;
constexpr size_t kSttsFirstSampleCount = 8;
constexpr size_t kSttsFirstDelta = 12;

// "stsd": the number of sample descriptions, and the first one's frame
// width and height (u16 each).
constexpr size_t kStsdEntryCount = 4;
constexpr size_t kStsdWidth = 40;
constexpr size_t kStsdHeight = 42;

// "stsz": a uniform sample size, or 0 and one size per sample.
constexpr size_t kStszUniformSize = 4;
constexpr size_t kStszSampleCount = 8;
constexpr size_t kStszTable = 12;

// "stco" chunk offsets and "stss" sync sample numbers: a count, then the table.
constexpr size_t kCountedTableCount = 4;
constexpr size_t kCountedTable = 8;

// "stsc": runs of (first chunk, samples per chunk, description index); a
// run lasts until the next one's first chunk, the last until the last chunk.
constexpr size_t kStscEntryCount = 4;
constexpr size_t kStscTable = 8;
constexpr size_t kStscEntrySize = 12;
constexpr size_t kStscSamplesPerChunk = 4;  // within an entry
constexpr size_t kStscDescription = 8;      // within an entry

constexpr size_t kTableEntrySize = 4;

// Durations.
constexpr size_t kMvhdDuration = 16;
constexpr size_t kTkhdDuration = 20;
constexpr size_t kMdhdDuration = 16;
constexpr size_t kElstFirstSegmentDuration = 8;

}  // namespace StandardBoxLayout
