#include "MovieSamples.h"

#include <cstring>
#include <map>
#include <optional>

#include "format/ByteOrder.h"

namespace {

struct Span {
    const uint8_t* data;
    size_t size;
};

uint32_t U32(const Span& s, size_t at) { return at + 4 <= s.size ? ReadU32BE(s.data + at) : 0; }

// The direct children of a run of boxes, by type (first of each type kept,
// traks collected in order).
struct Children {
    std::map<std::string, Span> first;
    std::vector<Span> traks;
};

Children ChildrenOf(Span s) {
    Children children;
    size_t at = 0;
    while (at + 8 <= s.size) {
        const uint32_t size = ReadU32BE(s.data + at);
        if (size < 8 || size > s.size - at) break;
        const std::string type(reinterpret_cast<const char*>(s.data + at + 4), 4);
        const Span body{s.data + at + 8, size - 8};
        if (type == "trak") children.traks.push_back(body);
        children.first.emplace(type, body);
        at += size;
    }
    return children;
}

std::optional<Span> Find(const Children& c, const char* type) {
    const auto found = c.first.find(type);
    if (found == c.first.end()) return std::nullopt;
    return found->second;
}

bool ReadTrack(Span trak, TrackSamples& track) {
    const Children t = ChildrenOf(trak);
    const std::optional<Span> tkhd = Find(t, "tkhd");
    const std::optional<Span> mdia = Find(t, "mdia");
    if (!tkhd || !mdia) return false;
    track.trackDuration = U32(*tkhd, 20);
    if (const std::optional<Span> edts = Find(t, "edts")) {
        if (const std::optional<Span> elst = Find(ChildrenOf(*edts), "elst")) track.editDuration = U32(*elst, 8);
    }
    const Children m = ChildrenOf(*mdia);
    const std::optional<Span> mdhd = Find(m, "mdhd");
    const std::optional<Span> hdlr = Find(m, "hdlr");
    const std::optional<Span> minf = Find(m, "minf");
    if (!mdhd || !hdlr || !minf || hdlr->size < 12) return false;
    track.mediaDuration = U32(*mdhd, 16);
    track.handler.assign(reinterpret_cast<const char*>(hdlr->data + 8), 4);
    const std::optional<Span> stbl = Find(ChildrenOf(*minf), "stbl");
    if (!stbl) return false;
    const Children s = ChildrenOf(*stbl);
    const std::optional<Span> stts = Find(s, "stts");
    const std::optional<Span> stsz = Find(s, "stsz");
    const std::optional<Span> stsc = Find(s, "stsc");
    const std::optional<Span> stco = Find(s, "stco");
    if (!stts || !stsz || !stsc || !stco) return false;
    for (uint32_t k = 0; k < U32(*stts, 4) && 16 + 8 * k <= stts->size; ++k) {
        track.timing.emplace_back(U32(*stts, 8 + 8 * k), U32(*stts, 12 + 8 * k));
    }

    const uint32_t uniform = U32(*stsz, 4);
    const uint32_t samples = U32(*stsz, 8);
    for (uint32_t k = 0; k < samples; ++k) track.sizes.push_back(uniform != 0 ? uniform : U32(*stsz, 12 + 4 * k));
    if (const std::optional<Span> stss = Find(s, "stss")) {
        for (uint32_t k = 0; k < U32(*stss, 4); ++k) track.syncSamples.push_back(U32(*stss, 8 + 4 * k));
    }
    // Chunks to samples through every run of "stsc".
    const uint32_t chunks = U32(*stco, 4);
    const uint32_t runs = U32(*stsc, 4);
    for (uint32_t r = 0; r < runs && 20 + 12 * r <= stsc->size; ++r) {
        track.chunkRuns.push_back({U32(*stsc, 8 + 12 * r), U32(*stsc, 12 + 12 * r), U32(*stsc, 16 + 12 * r)});
    }
    size_t sample = 0;
    for (uint32_t chunk = 1; chunk <= chunks; ++chunk) {
        uint32_t perChunk = 0;
        for (uint32_t r = 0; r < runs && U32(*stsc, 8 + 12 * r) <= chunk; ++r) perChunk = U32(*stsc, 12 + 12 * r);
        uint64_t at = U32(*stco, 8 + 4 * (chunk - 1));
        for (uint32_t k = 0; k < perChunk && sample < track.sizes.size(); ++k, ++sample) {
            track.offsets.push_back(at);
            at += track.sizes[sample];
        }
    }
    return track.offsets.size() == track.sizes.size();
}

}  // namespace

MovieSamples ReadMovieSamples(const Bytes& file) {
    MovieSamples movie;
    const Children top = ChildrenOf(Span{file.data(), file.size()});
    const std::optional<Span> moov = Find(top, "moov");
    if (!moov) return movie;
    const Children m = ChildrenOf(*moov);
    if (const std::optional<Span> mvhd = Find(m, "mvhd")) movie.movieDuration = U32(*mvhd, 16);
    for (const Span& trak : m.traks) {
        TrackSamples track;
        if (!ReadTrack(trak, track)) return movie;
        movie.tracks.push_back(std::move(track));
    }
    movie.ok = !movie.tracks.empty();
    return movie;
}

Bytes SampleAt(const Bytes& file, const TrackSamples& track, size_t k) {
    const uint64_t at = track.offsets[k];
    const uint64_t size = track.sizes[k];
    if (at > file.size() || size > file.size() - at) return {};
    return Bytes(file.begin() + static_cast<std::ptrdiff_t>(at), file.begin() + static_cast<std::ptrdiff_t>(at + size));
}
