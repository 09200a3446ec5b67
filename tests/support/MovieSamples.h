#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "BoxBytes.h"

// A movie's tracks as its sample tables describe them, read without the
// code under test: where every sample lies, which are sync samples, the
// timing and the durations. For checking what a join wrote.
struct TrackSamples {
    std::string handler;            // "vide", "soun"
    std::vector<uint64_t> offsets;  // file offset of every sample
    std::vector<uint32_t> sizes;
    std::vector<uint32_t> syncSamples;  // 1-based; empty when there is no "stss"
    std::vector<std::pair<uint32_t, uint32_t>> timing;  // "stts": (samples, delta)
    std::vector<std::array<uint32_t, 3>> chunkRuns;     // "stsc": (first chunk, samples, description)
    uint32_t mediaDuration = 0;  // "mdhd"
    uint32_t trackDuration = 0;  // "tkhd"
    uint32_t editDuration = 0;   // first "elst" segment
};

struct MovieSamples {
    bool ok = false;  // false when the tables could not be read
    uint32_t movieDuration = 0;
    std::vector<TrackSamples> tracks;
};

MovieSamples ReadMovieSamples(const Bytes& file);

// The bytes of sample k of a track; empty when they lie outside the file.
Bytes SampleAt(const Bytes& file, const TrackSamples& track, size_t k);
