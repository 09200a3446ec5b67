#include "MiniRecording.h"

#include <algorithm>
#include <cstring>

#include "format/ByteOrder.h"

namespace {

Bytes U32(uint32_t v) {
    Bytes b(4);
    WriteU32BE(b.data(), v);
    return b;
}

Bytes U16(uint16_t v) {
    Bytes b(2);
    WriteU16BE(b.data(), v);
    return b;
}

Bytes Text(const char* text) { return Bytes(text, text + std::strlen(text)); }

// Version and flags 0.
Bytes FullBoxHead() { return Zeros(4); }

uint32_t SampleCount(const MiniTrack& t) { return static_cast<uint32_t>(t.sampleSizes.size()); }

uint32_t SizeOf(const MiniTrack& t, size_t k) { return t.uniformSize != 0 ? t.uniformSize : t.sampleSizes[k]; }

std::vector<std::pair<uint32_t, uint32_t>> Timing(const MiniTrack& t) {
    if (!t.timing.empty()) return t.timing;
    return {{SampleCount(t), t.delta}};
}

std::vector<uint32_t> ChunkSamples(const MiniTrack& t) {
    if (!t.chunkSamples.empty()) return t.chunkSamples;
    return std::vector<uint32_t>(SampleCount(t), 1);
}

uint32_t MediaDuration(const MiniTrack& t) {
    uint32_t duration = 0;
    for (const auto& [samples, delta] : Timing(t)) duration += samples * delta;
    return duration;
}

// One "stsc" run per stretch of chunks holding the same number of samples.
Bytes ChunkRuns(const std::vector<uint32_t>& chunkSamples) {
    Bytes runs;
    uint32_t count = 0;
    for (size_t c = 0; c < chunkSamples.size(); ++c) {
        if (c > 0 && chunkSamples[c] == chunkSamples[c - 1]) continue;
        runs = Concat({runs, U32(static_cast<uint32_t>(c + 1)), U32(chunkSamples[c]), U32(1)});
        ++count;
    }
    return Concat({FullBoxHead(), U32(count), runs});
}

Bytes TimingRuns(const MiniTrack& t) {
    const auto timing = Timing(t);
    Bytes stts = Concat({FullBoxHead(), U32(static_cast<uint32_t>(timing.size()))});
    for (const auto& [samples, delta] : timing) stts = Concat({stts, U32(samples), U32(delta)});
    return stts;
}

uint32_t MovieDuration(const MiniTrack& t) {
    return static_cast<uint32_t>(uint64_t{MediaDuration(t)} * kMiniMovieTimeScale / t.timeScale);
}

Bytes SampleEntry(const MiniTrack& t) {
    if (!t.video) {
        return Concat({U32(36), Text("mp4a"), Zeros(6), U16(1), Zeros(8), U16(2), U16(16), Zeros(4),
                       U32(48000u << 16)});
    }
    // Version, revision, vendor, temporal and spatial quality, then the size.
    return Concat({U32(86), Text("avc1"), Zeros(6), U16(1), Zeros(16), U16(t.width), U16(t.height), Zeros(50)});
}

Bytes SampleTable(const MiniTrack& t, uint64_t firstSampleAt) {
    Bytes stsz = Concat({FullBoxHead(), U32(t.uniformSize), U32(SampleCount(t))});
    for (size_t k = 0; k < t.sampleSizes.size() && t.uniformSize == 0; ++k) {
        stsz = Concat({stsz, U32(t.sampleSizes[k])});
    }
    const std::vector<uint32_t> chunkSamples = ChunkSamples(t);
    Bytes stco = Concat({FullBoxHead(), U32(static_cast<uint32_t>(chunkSamples.size()))});
    uint64_t at = firstSampleAt;
    size_t k = 0;
    for (uint32_t inChunk : chunkSamples) {
        stco = Concat({stco, U32(static_cast<uint32_t>(at))});
        for (uint32_t i = 0; i < inChunk && k < t.sampleSizes.size(); ++i) at += SizeOf(t, k++);
    }
    Bytes stss = Concat({FullBoxHead(), U32(static_cast<uint32_t>(t.syncSamples.size()))});
    for (uint32_t s : t.syncSamples) stss = Concat({stss, U32(s)});

    Bytes stbl = Concat({Box("stsd", Concat({FullBoxHead(), U32(1), SampleEntry(t)})),
                         Box("stts", TimingRuns(t))});
    if (!t.syncSamples.empty()) stbl = Concat({stbl, Box("stss", stss)});
    for (const std::string& type : t.extraTables) stbl = Concat({stbl, Box(type, Zeros(8))});
    return Box("stbl", Concat({stbl, Box("stsc", ChunkRuns(chunkSamples)),
                               Box("stsz", stsz), Box("stco", stco)}));
}

Bytes Track(const MiniTrack& t, uint32_t trackId, uint64_t firstSampleAt) {
    const Bytes tkhd = Concat({FullBoxHead(), Zeros(8), U32(trackId), Zeros(4), U32(MovieDuration(t)), Zeros(60)});
    const Bytes elst = Concat({FullBoxHead(), U32(1), U32(MovieDuration(t)), U32(0), U32(0x10000)});
    const Bytes mdhd = Concat({FullBoxHead(), Zeros(8), U32(t.timeScale), U32(MediaDuration(t)), Zeros(4)});
    const Bytes hdlr = Concat({FullBoxHead(), Zeros(4), Text(t.video ? "vide" : "soun"), Zeros(12), Text("mini")});
    const Bytes header = t.video ? Box("vmhd", Concat({U32(1), Zeros(8)})) : Box("smhd", Zeros(8));
    const Bytes dinf = Box("dinf", Box("dref", Concat({FullBoxHead(), U32(1), Box("url ", U32(1))})));
    const Bytes minf = Box("minf", Concat({header, dinf, SampleTable(t, firstSampleAt)}));
    return Box("trak", Concat({Box("tkhd", tkhd), Box("edts", Box("elst", elst)),
                               Box("mdia", Concat({Box("mdhd", mdhd), Box("hdlr", hdlr), minf}))}));
}

}  // namespace

Bytes MiniSampleBytes(const MiniRecordingPlan& plan, size_t track, size_t sample) {
    const MiniTrack& t = plan.tracks[track];
    Bytes bytes(SizeOf(t, sample));
    for (size_t i = 0; i < bytes.size(); ++i) {
        bytes[i] = static_cast<uint8_t>(plan.sampleSeed * 97 + track * 61 + sample * 13 + i);
    }
    return bytes;
}

Bytes MakeMiniRecording(const MiniRecordingPlan& plan) {
    const Bytes ftyp = Box("ftyp", Concat({Text("qt  "), U32(0x200), Text("qt  ")}));
    const Bytes free = Box("free", {});
    // Eight unused bytes open the media data, as in the recorder's files.
    Bytes media = Zeros(8);
    const uint64_t mediaBodyAt = ftyp.size() + free.size() + 8;
    std::vector<uint64_t> firstSampleAt;
    for (size_t t = 0; t < plan.tracks.size(); ++t) {
        firstSampleAt.push_back(mediaBodyAt + media.size());
        for (size_t k = 0; k < plan.tracks[t].sampleSizes.size(); ++k) {
            media = Concat({media, MiniSampleBytes(plan, t, k)});
        }
    }
    uint32_t longest = 0;
    Bytes traks;
    for (size_t t = 0; t < plan.tracks.size(); ++t) {
        longest = std::max(longest, MovieDuration(plan.tracks[t]));
        traks = Concat({traks, Track(plan.tracks[t], static_cast<uint32_t>(t + 1), firstSampleAt[t])});
    }
    const Bytes mvhd = Concat({FullBoxHead(), Zeros(8), U32(kMiniMovieTimeScale), U32(longest), Zeros(80)});
    return Concat({ftyp, free, Box("mdat", media), Box("moov", Concat({Box("mvhd", mvhd), traks})),
                   plan.withDataSection ? MakeDataSectionBox(plan.dataSection) : Bytes{},
                   MakeRecordingTail(plan.tail)});
}
