#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "BoxBytes.h"
#include "RecordingRecipe.h"

// A complete recording a few kilobytes long, laid out as the recorder lays
// out its files (ftyp, free, mdat, moov, udat, tail) with tracks of made-up
// samples, one sample per chunk unless the plan groups them. Every sample's
// bytes are distinct, so a
// test can tell where each one went. Built in memory, for tests and fuzz
// seeds that need real sample tables without encoding a movie.
struct MiniTrack {
    bool video = true;                    // "vide" with a frame size, else "soun"
    std::vector<uint32_t> sampleSizes = {40, 24, 24, 32, 24};
    std::vector<uint32_t> syncSamples = {1, 4};  // none: no "stss"
    uint32_t delta = 3003;
    uint32_t timeScale = 90000;
    uint32_t uniformSize = 0;             // non-zero: a uniform "stsz" with no table
    uint16_t width = 640;
    uint16_t height = 360;
    std::vector<std::string> extraTables;  // further boxes in the sample table, 8 zero bytes each
    std::vector<uint32_t> chunkSamples;    // samples in each chunk, in order; empty: one per chunk
    std::vector<std::pair<uint32_t, uint32_t>> timing;  // (samples, delta) runs; empty: one run of delta
};

struct MiniRecordingPlan {
    std::vector<MiniTrack> tracks = {MiniTrack{}};
    RecordingRecipe dataSection;          // the recorder record and entries
    RecordingTail tail = RecordingTail::FreeBox;
    uint8_t sampleSeed = 1;               // varies the sample bytes between recordings
    bool withDataSection = true;
};

Bytes MakeMiniRecording(const MiniRecordingPlan& plan);

// The bytes of sample k of track t, as MakeMiniRecording writes them.
Bytes MiniSampleBytes(const MiniRecordingPlan& plan, size_t track, size_t sample);

// Movie time scale of the "mvhd" and every duration counted in it.
constexpr uint32_t kMiniMovieTimeScale = 1000;
