// Joins two recordings made of the input's bytes, writes the result to
// memory and reads it again. Whatever the inputs, a merge either refuses
// and leaves the first recording as it was, or gives a movie that indexes
// again to the size written, with the entries and the samples of both and
// sample tables (runs of chunks and of timing included) that place every
// sample.

#include "FuzzFiles.h"
#include "FuzzInputLayout.h"
#include "KnownBoxTypes.h"
#include "format/ByteOrder.h"
#include "joiner/MovieJoiner.h"
#include "platform/MemoryOutputSink.h"

namespace {

using fuzz::Check;

uint64_t Entries(const MovieBoxIndex& index) {
    const BoxNode* section = index.First(BoxList::kUdat);
    if (section == nullptr) return 0;
    return section->totalEntryCount != 0 ? section->totalEntryCount : section->entryCount;
}

std::vector<uint8_t> Written(const MovieBoxIndex& index) {
    MemoryOutputSink out;
    Check(MovieJoiner::WriteBox(index.Root(), out));
    Check(out.Bytes().size() == index.Root().GetTotalSize() - 8);
    return out.Bytes();
}

// A recording with one recorder data section comes out as it went in.
bool RewritesExactly(const MovieBoxIndex& index) {
    const size_t sections = index.List(BoxList::kUdat).size();
    return sections == 0 || (sections == 1 && MovieJoiner::HasRecorderDataSection(index));
}

// Each track's sample count; the sizes table of a recording that merged
// has been checked to hold its count.
std::vector<uint64_t> SampleCounts(const MovieBoxIndex& index) {
    std::vector<uint64_t> counts;
    for (const BoxNode* stsz : index.List(BoxList::kStsz)) {
        counts.push_back(stsz->body.size() >= 12 ? ReadU32BE(stsz->body.data() + 8) : 0);
    }
    return counts;
}

void CheckJoined(const std::vector<uint8_t>& joined, uint64_t entries, const std::vector<uint64_t>& samples) {
    fuzz::SetFile(L"joined", joined.data(), joined.size());
    const auto again = MovieBoxIndex::Open(L"joined");
    Check(again != nullptr);
    Check(again->Root().GetTotalSize() - 8 == joined.size());
    Check(Entries(*again) == entries);
    Check(MovieJoiner::TablesHold(*again));
    Check(SampleCounts(*again) == samples);

    MappedMovieFile& reader = fuzz::Reader();
    if (reader.OpenAndParse(L"joined")) {
        Check(reader.Records()->gps.empty() || reader.Records()->gps.size() == entries);
    }
    reader.ClearRecords();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    fuzz::ServeFilesFromMemory();
    static const bool built = BuildKnownBoxTypes();
    Check(built);
    if (size < kJoinSplitSize) return 0;
    const size_t rest = size - kJoinSplitSize;
    const size_t split = std::min<size_t>(ReadU32BE(data), rest);
    const uint8_t* first = data + kJoinSplitSize;
    fuzz::SetFile(L"a", first, split);
    fuzz::SetFile(L"b", first + split, rest - split);

    const auto a = MovieBoxIndex::Open(L"a");
    const auto b = MovieBoxIndex::Open(L"b");
    if (!a || !b) return 0;
    const std::vector<uint8_t> before = Written(*a);
    if (RewritesExactly(*a)) Check(before == fuzz::Files()[L"a"]);
    const uint64_t entries = Entries(*a) + Entries(*b);
    std::vector<uint64_t> samples = SampleCounts(*a);
    const std::vector<uint64_t> more = SampleCounts(*b);
    for (size_t t = 0; t < samples.size() && t < more.size(); ++t) samples[t] += more[t];

    if (!MovieJoiner::Merge(*a, *b)) {
        Check(Written(*a) == before);
        return 0;
    }
    CheckJoined(Written(*a), entries, samples);
    return 0;
}
