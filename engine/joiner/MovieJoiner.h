#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "index/MovieBoxIndex.h"
#include "platform/OutputSink.h"

// Asked between steps of a long write; true stops it (the user cancelled).
using StopRequested = std::function<bool()>;

// Joins consecutive recordings of one recorder into one movie. Every
// further recording is merged into the first one's index (sample tables
// extended, durations added, media data and data-section entries chained),
// and the first index's tree is then written out, the media data and the
// entries copied from the source files through views of at most 32 MiB.
//
// All indexes of a join must stay open until the write has ended: the first
// one's nodes point into the others and the others' files are read. A
// further index is only a source once merged.
class MovieJoiner {
public:
    // Merges b into a. False, with a unchanged, when the two do not fit
    // together: different shapes, frame sizes, rates or media offsets,
    // tables the merge cannot extend or that do not hold what their counts
    // say, or a result past 65535 entries or 4 GiB.
    static bool Merge(MovieBoxIndex& a, MovieBoxIndex& b);

    // Writes the node and everything below it. False when a source view
    // cannot be mapped, a write fails, a size would not fit its header, or
    // stop asks to stop; what was written so far is then worthless.
    static bool WriteBox(const BoxNode& node, OutputSink& out, const StopRequested& stop = nullptr);

    // The table operations of a merge; each checks that the tables hold
    // what their counts say and returns the table bytes appended, or
    // nothing. A source whose table was appended keeps no copy of it.
    static std::optional<uint64_t> AppendTableBody(BoxNode& target, BoxNode& source, size_t headLength,
                                                   size_t countOffset);
    static std::optional<uint64_t> AppendSampleSizes(BoxNode& target, BoxNode& source);
    static std::optional<uint64_t> MergeCountedTables(const std::vector<BoxNode*>& targets,
                                                      const std::vector<BoxNode*>& sources);
    static std::optional<uint64_t> MergeSampleSizes(const std::vector<BoxNode*>& targets,
                                                    const std::vector<BoxNode*>& sources);
    // The further recording's chunk runs ("stsc") after the first one's,
    // their first chunks moved by the chunks written before them; its
    // timing runs ("stts") after the first one's. Either way the further
    // table's first run is folded into the last one where it simply
    // continues it.
    static std::optional<uint64_t> MergeChunkRuns(BoxNode& target, BoxNode& source, uint32_t chunksBefore);
    static std::optional<uint64_t> MergeTimingRuns(BoxNode& target, BoxNode& source);
    static void AddBigEndianFields(const std::vector<BoxNode*>& targets, const std::vector<BoxNode*>& sources,
                                   size_t bodyOffset);

    // "CSMDAT", the first recording's recorder record, the total entry count
    // and the node's own entries.
    static bool WriteDataSectionHead(const BoxNode& node, OutputSink& out, const StopRequested& stop = nullptr);
    // A later recording's media data, less its first 8 bytes.
    static bool CopyChainedData(const BoxNode& node, OutputSink& out, const StopRequested& stop = nullptr);

    // True when every track's tables lie in a sample table of their own,
    // hold what their counts say and place every sample the sizes list:
    // what a join needs of each recording, and what it gives back.
    static bool TablesHold(const MovieBoxIndex& index);
    // True when b can be merged into a; Merge asks this first.
    static bool CanMerge(const MovieBoxIndex& a, const MovieBoxIndex& b);
    // True when the index's first data section is a recorder data section
    // ("CSMDAT" .. "CSMEND") that a join can write.
    static bool HasRecorderDataSection(const MovieBoxIndex& index);
};
