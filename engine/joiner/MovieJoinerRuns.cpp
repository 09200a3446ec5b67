// The run tables of a join: a further recording's timing runs and chunk
// runs follow the first one's, its chunk numbers moved past the chunks
// written before it.

#include <cstring>

#include "MovieJoiner.h"
#include "TableRuns.h"
#include "format/ByteOrder.h"
#include "format/StandardBoxLayout.h"

namespace L = StandardBoxLayout;

namespace {

constexpr size_t kEntryCountAt = 4;
constexpr size_t kTableHead = 8;  // version, flags and the entry count
constexpr uint64_t kLargestField = 0xFFFFFFFF;

const uint8_t* Entry(const BoxNode& table, size_t entrySize, uint32_t k) {
    return table.body.data() + kTableHead + size_t{k} * entrySize;
}

const BoxNode* ChildOfType(const BoxNode& parent, const char* type) {
    for (const BoxNode& child : parent.children) {
        if (child.TypeIs(type)) return &child;
    }
    return nullptr;
}

// The later table's entries after the earlier one's, each passed through
// move; the first of them is dropped when fold merges it into the last
// entry kept. The later table is only a source afterwards.
template <typename Move, typename Fold>
std::optional<uint64_t> AppendRuns(BoxNode& target, BoxNode& source, size_t entrySize, Move move, Fold fold) {
    const auto kept = TableRuns::EntryCount(target, entrySize);
    const auto more = TableRuns::EntryCount(source, entrySize);
    if (!kept || !more) return std::nullopt;
    std::vector<uint8_t> runs(target.body.begin(),
                              target.body.begin() + static_cast<ptrdiff_t>(kTableHead + size_t{*kept} * entrySize));
    uint32_t count = *kept;
    for (uint32_t k = 0; k < *more; ++k) {
        std::vector<uint8_t> entry(Entry(source, entrySize, k), Entry(source, entrySize, k) + entrySize);
        move(entry.data());
        if (k == 0 && count > 0 && fold(runs.data() + runs.size() - entrySize, entry.data())) continue;
        runs.insert(runs.end(), entry.begin(), entry.end());
        ++count;
    }
    WriteU32BE(runs.data() + kEntryCountAt, count);
    const uint64_t growth = runs.size() - target.body.size();
    target.body = std::move(runs);
    target.copiedLength = target.writtenSize = target.body.size();
    std::vector<uint8_t>().swap(source.body);
    source.copiedLength = 0;
    return growth;
}

}  // namespace

namespace TableRuns {

const BoxNode* TrackTable(const MovieBoxIndex& index, size_t track, const char* type) {
    const std::vector<BoxNode*>& sizes = index.List(BoxList::kStsz);
    if (track >= sizes.size()) return nullptr;
    const BoxNode* stbl = index.ParentOf(*sizes[track]);
    return stbl != nullptr ? ChildOfType(*stbl, type) : nullptr;
}

BoxNode* TrackTable(MovieBoxIndex& index, size_t track, const char* type) {
    return const_cast<BoxNode*>(TrackTable(std::as_const(index), track, type));
}

std::optional<uint32_t> EntryCount(const BoxNode& table, size_t entrySize) {
    if (!table.bodyCopied || table.body.size() < kTableHead) return std::nullopt;
    const uint32_t count = ReadU32BE(table.body.data() + kEntryCountAt);
    if ((table.body.size() - kTableHead) / entrySize < count) return std::nullopt;
    return count;
}

std::optional<uint64_t> TimedSamples(const BoxNode& stts) {
    const auto runs = EntryCount(stts, L::kSttsEntrySize);
    if (!runs) return std::nullopt;
    uint64_t samples = 0;
    for (uint32_t k = 0; k < *runs; ++k) samples += ReadU32BE(Entry(stts, L::kSttsEntrySize, k));
    return samples;
}

std::optional<uint32_t> FirstDelta(const BoxNode& stts) {
    const auto runs = EntryCount(stts, L::kSttsEntrySize);
    if (!runs || *runs == 0) return std::nullopt;
    return ReadU32BE(stts.body.data() + L::kSttsFirstDelta);
}

std::optional<uint64_t> ChunkedSamples(const BoxNode& stsc, uint32_t chunks, uint32_t descriptions) {
    const auto runs = EntryCount(stsc, L::kStscEntrySize);
    if (!runs) return std::nullopt;
    uint64_t samples = 0;
    for (uint32_t k = 0; k < *runs; ++k) {
        const uint8_t* run = Entry(stsc, L::kStscEntrySize, k);
        const uint64_t first = ReadU32BE(run);
        const uint64_t next = k + 1 < *runs ? ReadU32BE(Entry(stsc, L::kStscEntrySize, k + 1)) : uint64_t{chunks} + 1;
        const uint32_t perChunk = ReadU32BE(run + L::kStscSamplesPerChunk);
        const uint32_t description = ReadU32BE(run + L::kStscDescription);
        if ((k == 0 && first != 1) || next <= first || first > chunks) return std::nullopt;
        if (perChunk == 0 || description == 0 || description > descriptions) return std::nullopt;
        // At most 2^32 chunks of at most 2^32 samples: no sum can wrap.
        samples += (next - first) * perChunk;
    }
    return samples;
}

uint32_t DescriptionCount(const BoxNode* stsd) {
    if (stsd == nullptr || !stsd->bodyCopied || stsd->body.size() < L::kStsdEntryCount + 4) return 0;
    return ReadU32BE(stsd->body.data() + L::kStsdEntryCount);
}

}  // namespace TableRuns

// A run that goes on with the samples per chunk and the description of
// the run before it adds nothing: recordings chunked alike keep one run.
std::optional<uint64_t> MovieJoiner::MergeChunkRuns(BoxNode& target, BoxNode& source, uint32_t chunksBefore) {
    const auto move = [chunksBefore](uint8_t* run) { WriteU32BE(run, ReadU32BE(run) + chunksBefore); };
    const auto fold = [](const uint8_t* last, const uint8_t* run) {
        return std::memcmp(last + L::kStscSamplesPerChunk, run + L::kStscSamplesPerChunk,
                           L::kStscEntrySize - L::kStscSamplesPerChunk) == 0;
    };
    return AppendRuns(target, source, L::kStscEntrySize, move, fold);
}

// A run of the delta the timing ends with continues it: its samples are
// added to that run, so recordings of one rate keep one run.
std::optional<uint64_t> MovieJoiner::MergeTimingRuns(BoxNode& target, BoxNode& source) {
    const auto fold = [](uint8_t* last, const uint8_t* run) {
        const uint64_t samples = uint64_t{ReadU32BE(last)} + ReadU32BE(run);
        if (ReadU32BE(last + 4) != ReadU32BE(run + 4) || samples > kLargestField) return false;
        WriteU32BE(last, static_cast<uint32_t>(samples));
        return true;
    };
    return AppendRuns(target, source, L::kSttsEntrySize, [](uint8_t*) {}, fold);
}
