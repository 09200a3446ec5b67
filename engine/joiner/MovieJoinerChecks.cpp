// What must hold before one recording is merged into another. The merge
// itself trusts nothing it has not been through here: a join that passes
// these checks writes a movie whose every table describes its samples.

#include <algorithm>
#include <cstring>

#include "MovieJoiner.h"
#include "TableRuns.h"
#include "format/ByteOrder.h"
#include "format/RecordingLayout.h"
#include "format/StandardBoxLayout.h"
#include "reader/ReaderView.h"

namespace L = StandardBoxLayout;
namespace R = RecordingLayout;

namespace {

constexpr uint64_t kLargestField = 0xFFFFFFFF;

// Tables the merge does not extend; a recording holding one cannot be joined.
constexpr const char* kUnmergedTables[] = {"ctts", "co64", "stz2"};
// Durations the merge adds, with where each lies.
constexpr std::pair<BoxList, size_t> kDurations[] = {{BoxList::kMvhd, L::kMvhdDuration},
                                                     {BoxList::kTkhd, L::kTkhdDuration},
                                                     {BoxList::kElst, L::kElstFirstSegmentDuration},
                                                     {BoxList::kMdhd, L::kMdhdDuration}};
// Lists paired entry by entry, track by track.
constexpr BoxList kPairedLists[] = {BoxList::kStsz, BoxList::kStco, BoxList::kStss, BoxList::kStts,
                                    BoxList::kMvhd, BoxList::kTkhd, BoxList::kElst, BoxList::kMdhd};

uint32_t U32At(const BoxNode& box, size_t offset) { return ReadU32BE(box.body.data() + offset); }

bool Holds(const BoxNode& box, uint64_t length) { return box.bodyCopied && box.body.size() >= length; }

uint32_t TableCount(const BoxNode& table) { return U32At(table, L::kCountedTableCount); }

bool HoldsCountedTable(const BoxNode& table) {
    return Holds(table, L::kCountedTable) &&
           table.body.size() - L::kCountedTable >= uint64_t{TableCount(table)} * L::kTableEntrySize;
}

bool IsUniform(const BoxNode& stsz) { return U32At(stsz, L::kStszUniformSize) != 0; }
uint32_t SampleCount(const BoxNode& stsz) { return U32At(stsz, L::kStszSampleCount); }

bool HoldsSampleSizes(const BoxNode& stsz) {
    if (!Holds(stsz, L::kStszTable)) return false;
    return IsUniform(stsz) ||
           stsz.body.size() - L::kStszTable >= uint64_t{SampleCount(stsz)} * L::kTableEntrySize;
}

bool HoldsDuration(const BoxNode& box, size_t offset) {
    return Holds(box, offset + L::kTableEntrySize) && box.body[L::kVersion] == 0;
}

bool ContainsType(const BoxNode& node, const char* type) {
    if (node.TypeIs(type)) return true;
    return std::any_of(node.children.begin(), node.children.end(),
                       [type](const BoxNode& child) { return ContainsType(child, type); });
}

const BoxNode& At(const MovieBoxIndex& index, BoxList kind, size_t i) { return *index.List(kind)[i]; }
size_t TrackCount(const MovieBoxIndex& index) { return index.List(BoxList::kStsz).size(); }

uint32_t Descriptions(const MovieBoxIndex& index, size_t track) {
    return TableRuns::DescriptionCount(TableRuns::TrackTable(index, track, "stsd"));
}

// The timing counts every sample the sizes list, and the chunk runs place
// exactly those samples in the chunks the offsets list.
bool RunsCoverSamples(const MovieBoxIndex& index, size_t track) {
    const uint32_t samples = SampleCount(At(index, BoxList::kStsz, track));
    if (TableRuns::TimedSamples(At(index, BoxList::kStts, track)) != samples) return false;
    const BoxNode* stsc = TableRuns::TrackTable(index, track, "stsc");
    const uint32_t chunks = TableCount(At(index, BoxList::kStco, track));
    return stsc != nullptr && TableRuns::ChunkedSamples(*stsc, chunks, Descriptions(index, track)) == samples;
}

// Each track's tables in a sample table of its own, the sync samples
// beside the timing they count in.
bool TracksLaidOut(const MovieBoxIndex& index) {
    if (index.List(BoxList::kStts).size() != TrackCount(index) ||
        index.List(BoxList::kStco).size() != TrackCount(index) ||
        index.List(BoxList::kStss).size() > TrackCount(index)) {
        return false;
    }
    const BoxNode* previous = nullptr;
    for (size_t t = 0; t < TrackCount(index); ++t) {
        const BoxNode* stbl = index.ParentOf(At(index, BoxList::kStsz, t));
        if (stbl == previous) return false;
        previous = stbl;
        if (index.ParentOf(At(index, BoxList::kStco, t)) != stbl) return false;
        if (index.ParentOf(At(index, BoxList::kStts, t)) != stbl) return false;
    }
    for (size_t t = 0; t < index.List(BoxList::kStss).size(); ++t) {
        if (index.ParentOf(At(index, BoxList::kStss, t)) != index.ParentOf(At(index, BoxList::kStts, t))) {
            return false;
        }
    }
    return true;
}

// Every merged list present and of one length in both.
bool ShapesMatch(const MovieBoxIndex& a, const MovieBoxIndex& b) {
    for (BoxList kind : kPairedLists) {
        if (a.List(kind).size() != b.List(kind).size()) return false;
    }
    for (BoxList kind : {BoxList::kStsz, BoxList::kStco, BoxList::kStss, BoxList::kStts}) {
        if (a.List(kind).empty()) return false;
    }
    return TracksLaidOut(a) && TracksLaidOut(b);
}

// Every table holds what its counts say, in the one layout the merge knows.
bool TablesHoldCounts(const MovieBoxIndex& index) {
    for (const char* type : kUnmergedTables) {
        if (ContainsType(index.Root(), type)) return false;
    }
    for (const BoxNode* table : index.List(BoxList::kStco)) {
        if (!HoldsCountedTable(*table)) return false;
    }
    for (const BoxNode* table : index.List(BoxList::kStss)) {
        if (!HoldsCountedTable(*table)) return false;
    }
    for (const auto& [kind, offset] : kDurations) {
        for (const BoxNode* box : index.List(kind)) {
            if (!HoldsDuration(*box, offset)) return false;
        }
    }
    for (size_t t = 0; t < TrackCount(index); ++t) {
        if (!HoldsSampleSizes(At(index, BoxList::kStsz, t)) || !RunsCoverSamples(index, t)) return false;
    }
    return true;
}

// Track by track the same first delta (the rate), the same sample
// descriptions to point at and the same kind of size table; the same
// picture size.
bool TracksMatch(const MovieBoxIndex& a, const MovieBoxIndex& b) {
    for (size_t t = 0; t < TrackCount(a); ++t) {
        const BoxNode& sizesA = At(a, BoxList::kStsz, t);
        const BoxNode& sizesB = At(b, BoxList::kStsz, t);
        const auto deltaA = TableRuns::FirstDelta(At(a, BoxList::kStts, t));
        if (!deltaA || deltaA != TableRuns::FirstDelta(At(b, BoxList::kStts, t))) return false;
        if (Descriptions(a, t) != Descriptions(b, t)) return false;
        // Both tables of sizes, or both one size, the same.
        if (U32At(sizesA, L::kStszUniformSize) != U32At(sizesB, L::kStszUniformSize) &&
            (IsUniform(sizesA) || IsUniform(sizesB))) {
            return false;
        }
    }
    return a.GetFrameSize() == b.GetFrameSize();
}

// The media data opens the movie's variable part: only boxes the merge does
// not change come before it, so the first recording's chunk offsets stay
// true. Both recordings put it at the same offset, which the shift of the
// further recording's offsets counts on.
bool MediaDataLeads(const MovieBoxIndex& index) {
    const BoxNode* mdat = index.First(BoxList::kMdat);
    for (const BoxNode& top : index.Root().children) {
        if (&top == mdat) return true;
        if (!top.bodyCopied) return false;
    }
    return false;
}

bool LayoutsMatch(const MovieBoxIndex& a, const MovieBoxIndex& b) {
    if (&a == &b) return false;
    const BoxNode* mdatA = a.First(BoxList::kMdat);
    const BoxNode* mdatB = b.First(BoxList::kMdat);
    const BoxNode* udatB = b.First(BoxList::kUdat);
    if (!mdatA || !mdatB || !udatB || !a.First(BoxList::kUdat)) return false;
    // A recording that others were merged into cannot follow another.
    if (mdatB->chainHead != nullptr || udatB->chainHead != nullptr) return false;
    if (mdatB->writtenSize < R::kUnusedMediaBytes || mdatA->sourceOffset != mdatB->sourceOffset) return false;
    return MediaDataLeads(a) && MediaDataLeads(b) && MovieJoiner::HasRecorderDataSection(a) &&
           MovieJoiner::HasRecorderDataSection(b);
}

// The further recording's chunks all start in its media data, after the
// unused bytes that the join drops.
bool ChunksInMediaData(const MovieBoxIndex& b) {
    const BoxNode& mdat = *b.First(BoxList::kMdat);
    const uint64_t first = mdat.sourceOffset + R::kUnusedMediaBytes;
    const uint64_t end = mdat.sourceOffset + mdat.sourceSize;
    for (const BoxNode* stco : b.List(BoxList::kStco)) {
        for (uint32_t k = 0; k < TableCount(*stco); ++k) {
            const uint32_t offset = U32At(*stco, L::kCountedTable + k * L::kTableEntrySize);
            if (offset < first || offset >= end) return false;
        }
    }
    return true;
}

uint64_t LargestSyncSample(const BoxNode& stss) {
    uint64_t largest = 0;
    for (uint32_t k = 0; k < TableCount(stss); ++k) {
        largest = std::max<uint64_t>(largest, U32At(stss, L::kCountedTable + k * L::kTableEntrySize));
    }
    return largest;
}

uint64_t TableBytes(uint32_t count) { return uint64_t{count} * L::kTableEntrySize; }

// What the merge adds to the written file.
uint64_t Growth(const MovieBoxIndex& b) {
    uint64_t growth = b.First(BoxList::kMdat)->writtenSize - R::kUnusedMediaBytes + b.First(BoxList::kUdat)->entryBytes;
    for (const BoxNode* stsz : b.List(BoxList::kStsz)) {
        if (!IsUniform(*stsz)) growth += TableBytes(SampleCount(*stsz));
    }
    for (BoxList kind : {BoxList::kStco, BoxList::kStss}) {
        for (const BoxNode* table : b.List(kind)) growth += TableBytes(TableCount(*table));
    }
    // At most every run of B's timing and chunk tables; folding saves a few.
    for (size_t t = 0; t < TrackCount(b); ++t) {
        growth += uint64_t{*TableRuns::EntryCount(At(b, BoxList::kStts, t), L::kSttsEntrySize)} * L::kSttsEntrySize;
        const BoxNode& stsc = *TableRuns::TrackTable(b, t, "stsc");
        growth += uint64_t{*TableRuns::EntryCount(stsc, L::kStscEntrySize)} * L::kStscEntrySize;
    }
    return growth;
}

// Every sum the merge stores fits its field, the entries fit their 16-bit
// count, and the file stays below 4 GiB, so every chunk offset fits too.
bool SumsFit(const MovieBoxIndex& a, const MovieBoxIndex& b) {
    const BoxNode& udatA = *a.First(BoxList::kUdat);
    const uint64_t entriesA = udatA.totalEntryCount != 0 ? udatA.totalEntryCount : udatA.entryCount;
    if (entriesA + b.First(BoxList::kUdat)->entryCount > R::kLargestEntryCount) return false;
    for (const auto& [kind, offset] : kDurations) {
        for (size_t i = 0; i < a.List(kind).size(); ++i) {
            if (uint64_t{U32At(At(a, kind, i), offset)} + U32At(At(b, kind, i), offset) > kLargestField) return false;
        }
    }
    for (size_t t = 0; t < TrackCount(a); ++t) {
        const uint64_t samplesA = SampleCount(At(a, BoxList::kStsz, t));
        const uint64_t samplesB = SampleCount(At(b, BoxList::kStsz, t));
        if (samplesA + samplesB > kLargestField) return false;
        if (uint64_t{TableCount(At(a, BoxList::kStco, t))} + TableCount(At(b, BoxList::kStco, t)) > kLargestField) {
            return false;
        }
        const bool synced = t < b.List(BoxList::kStss).size();
        if (synced && LargestSyncSample(At(b, BoxList::kStss, t)) + samplesA > kLargestField) return false;
    }
    return a.Root().GetTotalSize() - R::kBoxHeaderSize + Growth(b) <= R::kLargestFileSize;
}

}  // namespace

bool MovieJoiner::HasRecorderDataSection(const MovieBoxIndex& index) {
    const BoxNode* section = index.First(BoxList::kUdat);
    if (section == nullptr) return false;
    const uint64_t endMark = R::kFirstEntryOffsetInBody + section->entryBytes;
    const auto head = MapReaderView(index.Source(), section->sourceOffset, R::kFirstEntryOffsetInBody,
                                    index.FileSize(), ViewFailure::kQuiet);
    const auto tail = MapReaderView(index.Source(), section->sourceOffset + endMark, R::kMarkSize, index.FileSize(),
                                    ViewFailure::kQuiet);
    if (!head || !tail || head->bytes.size() != R::kFirstEntryOffsetInBody || tail->bytes.size() != R::kMarkSize) {
        return false;
    }
    // A count that ran past the box was cut: such a section cannot be joined.
    const uint16_t count = ReadU16BE(head->bytes.data() + R::kEntryCountOffsetInBody);
    return count == section->entryCount && BytesEqual(head->bytes.data(), R::kSectionStartMark, R::kMarkSize) &&
           BytesEqual(tail->bytes.data(), R::kSectionEndMark, R::kMarkSize);
}

bool MovieJoiner::TablesHold(const MovieBoxIndex& index) {
    return TracksLaidOut(index) && TablesHoldCounts(index);
}

bool MovieJoiner::CanMerge(const MovieBoxIndex& a, const MovieBoxIndex& b) {
    return LayoutsMatch(a, b) && ShapesMatch(a, b) && TablesHoldCounts(a) && TablesHoldCounts(b) && TracksMatch(a, b) &&
           SumsFit(a, b) && ChunksInMediaData(b);
}
