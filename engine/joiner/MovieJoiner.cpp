// Merging one recording's index into another's.

#include <new>

#include "MovieJoiner.h"
#include "TableRuns.h"
#include "format/ByteOrder.h"
#include "format/RecordingLayout.h"
#include "format/StandardBoxLayout.h"

namespace L = StandardBoxLayout;
namespace R = RecordingLayout;

namespace {

uint32_t U32At(const BoxNode& box, size_t offset) { return ReadU32BE(box.body.data() + offset); }
void SetU32At(BoxNode& box, size_t offset, uint32_t value) { WriteU32BE(box.body.data() + offset, value); }

// The table bytes a body's count announces, when the copy holds them.
std::optional<uint64_t> TableLength(const BoxNode& box, size_t headLength, size_t countOffset) {
    if (box.body.size() < headLength || box.body.size() < countOffset + L::kTableEntrySize) return std::nullopt;
    const uint64_t length = uint64_t{U32At(box, countOffset)} * L::kTableEntrySize;
    if (length > box.body.size() - headLength) return std::nullopt;
    return length;
}

// Adds value to every entry of a counted table (chunk offsets, sync samples).
void AddToEntries(BoxNode& table, uint32_t value) {
    const uint32_t count = U32At(table, L::kCountedTableCount);
    for (uint32_t k = 0; k < count; ++k) {
        const size_t at = L::kCountedTable + size_t{k} * L::kTableEntrySize;
        SetU32At(table, at, U32At(table, at) + value);
    }
}

// What a track of the first recording holds before a merge: the further
// recording's sync samples follow its samples, its chunks follow its chunks.
struct TrackCounts {
    uint32_t samples;
    uint32_t chunks;
};

void ChainMediaData(MovieBoxIndex& a, MovieBoxIndex& b) {
    BoxNode& media = *a.First(BoxList::kMdat);
    BoxNode& later = *b.First(BoxList::kMdat);
    media.Chain(later);
    media.writtenSize += later.writtenSize - R::kUnusedMediaBytes;
}

void ChainDataSection(MovieBoxIndex& a, MovieBoxIndex& b) {
    BoxNode& section = *a.First(BoxList::kUdat);
    BoxNode& later = *b.First(BoxList::kUdat);
    section.writtenSize += later.entryBytes;
    section.sectionLength += later.entryBytes;
    section.totalEntryCount =
        (section.totalEntryCount != 0 ? section.totalEntryCount : section.entryCount) + later.entryCount;
    section.Chain(later);
}

}  // namespace

std::optional<uint64_t> MovieJoiner::AppendTableBody(BoxNode& target, BoxNode& source, size_t headLength,
                                                     size_t countOffset) {
    const auto targetLength = TableLength(target, headLength, countOffset);
    const auto sourceLength = TableLength(source, headLength, countOffset);
    if (!targetLength || !sourceLength) return std::nullopt;
    const auto kept = target.body.begin() + static_cast<ptrdiff_t>(headLength + *targetLength);
    std::vector<uint8_t> joined(target.body.begin(), kept);
    const auto from = source.body.begin() + static_cast<ptrdiff_t>(headLength);
    joined.insert(joined.end(), from, from + static_cast<ptrdiff_t>(*sourceLength));
    target.body = std::move(joined);
    target.copiedLength = target.body.size();
    target.writtenSize = target.body.size();
    // The source's table now lives in the target; the source is only a source.
    std::vector<uint8_t>().swap(source.body);
    source.copiedLength = 0;
    return *sourceLength;
}

std::optional<uint64_t> MovieJoiner::AppendSampleSizes(BoxNode& target, BoxNode& source) {
    if (target.body.size() < L::kStszTable || source.body.size() < L::kStszTable) return std::nullopt;
    if (U32At(target, L::kStszUniformSize) != 0 || U32At(source, L::kStszUniformSize) != 0) return std::nullopt;
    return AppendTableBody(target, source, L::kStszTable, L::kStszSampleCount);
}

std::optional<uint64_t> MovieJoiner::MergeCountedTables(const std::vector<BoxNode*>& targets,
                                                        const std::vector<BoxNode*>& sources) {
    if (targets.empty() || targets.size() != sources.size()) return std::nullopt;
    uint64_t growth = 0;
    for (size_t i = 0; i < targets.size(); ++i) {
        BoxNode& target = *targets[i];
        const auto total = TableLength(target, L::kCountedTable, L::kCountedTableCount);
        const auto more = TableLength(*sources[i], L::kCountedTable, L::kCountedTableCount);
        if (!total || !more) return std::nullopt;
        const uint32_t count = U32At(target, L::kCountedTableCount) + U32At(*sources[i], L::kCountedTableCount);
        const auto added = AppendTableBody(target, *sources[i], L::kCountedTable, L::kCountedTableCount);
        if (!added) return std::nullopt;
        SetU32At(target, L::kCountedTableCount, count);
        growth += *added;
    }
    return growth;
}

// Both tables list their sizes: the sizes are appended. Both give one size,
// the same: only the count grows. Anything else cannot describe the
// joined samples.
std::optional<uint64_t> MovieJoiner::MergeSampleSizes(const std::vector<BoxNode*>& targets,
                                                      const std::vector<BoxNode*>& sources) {
    if (targets.empty() || targets.size() != sources.size()) return std::nullopt;
    uint64_t growth = 0;
    for (size_t i = 0; i < targets.size(); ++i) {
        BoxNode& target = *targets[i];
        BoxNode& source = *sources[i];
        if (target.body.size() < L::kStszTable || source.body.size() < L::kStszTable) return std::nullopt;
        const uint32_t uniform = U32At(target, L::kStszUniformSize);
        if (uniform != U32At(source, L::kStszUniformSize)) return std::nullopt;
        const uint32_t count = U32At(target, L::kStszSampleCount) + U32At(source, L::kStszSampleCount);
        if (uniform == 0) {
            const auto added = AppendSampleSizes(target, source);
            if (!added) return std::nullopt;
            growth += *added;
        }
        SetU32At(target, L::kStszSampleCount, count);
    }
    return growth;
}

void MovieJoiner::AddBigEndianFields(const std::vector<BoxNode*>& targets, const std::vector<BoxNode*>& sources,
                                     size_t bodyOffset) {
    for (size_t i = 0; i < targets.size() && i < sources.size(); ++i) {
        if (targets[i]->body.size() < bodyOffset + 4 || sources[i]->body.size() < bodyOffset + 4) continue;
        SetU32At(*targets[i], bodyOffset, U32At(*targets[i], bodyOffset) + U32At(*sources[i], bodyOffset));
    }
}

bool MovieJoiner::Merge(MovieBoxIndex& a, MovieBoxIndex& b) {
    if (!CanMerge(a, b)) return false;
    try {
        // B's data follows A's whole media data less B's unused first bytes.
        const uint32_t shift = static_cast<uint32_t>(a.First(BoxList::kMdat)->writtenSize - R::kUnusedMediaBytes);
        std::vector<TrackCounts> before;
        for (size_t t = 0; t < a.List(BoxList::kStsz).size(); ++t) {
            before.push_back({U32At(*a.List(BoxList::kStsz)[t], L::kStszSampleCount),
                              U32At(*a.List(BoxList::kStco)[t], L::kCountedTableCount)});
        }
        ChainMediaData(a, b);
        ChainDataSection(a, b);
        if (!MergeSampleSizes(a.List(BoxList::kStsz), b.List(BoxList::kStsz))) return false;

        const std::vector<BoxNode*>& syncB = b.List(BoxList::kStss);
        for (size_t t = 0; t < syncB.size(); ++t) AddToEntries(*syncB[t], before[t].samples);
        if (!MergeCountedTables(a.List(BoxList::kStss), syncB)) return false;

        for (BoxNode* chunks : b.List(BoxList::kStco)) AddToEntries(*chunks, shift);
        if (!MergeCountedTables(a.List(BoxList::kStco), b.List(BoxList::kStco))) return false;

        for (size_t t = 0; t < before.size(); ++t) {
            BoxNode* runsA = TableRuns::TrackTable(a, t, "stsc");
            BoxNode* runsB = TableRuns::TrackTable(b, t, "stsc");
            if (!runsA || !runsB || !MergeChunkRuns(*runsA, *runsB, before[t].chunks)) return false;
            if (!MergeTimingRuns(*a.List(BoxList::kStts)[t], *b.List(BoxList::kStts)[t])) return false;
        }

        AddBigEndianFields(a.List(BoxList::kMvhd), b.List(BoxList::kMvhd), L::kMvhdDuration);
        AddBigEndianFields(a.List(BoxList::kTkhd), b.List(BoxList::kTkhd), L::kTkhdDuration);
        AddBigEndianFields(a.List(BoxList::kElst), b.List(BoxList::kElst), L::kElstFirstSegmentDuration);
        AddBigEndianFields(a.List(BoxList::kMdhd), b.List(BoxList::kMdhd), L::kMdhdDuration);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    }
}
