// How fast the reader parses a long data section, and how little it touches
// of a large recording on its way to the data section.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "BoxBytes.h"
#include "RecordingRecipe.h"
#include "SparseFile.h"
#include "TestRecordings.h"
#include "reader/MappedMovieFile.h"

namespace {

constexpr int kOneHourOfEntries = 36000;

long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

// ftyp, an "mdat" of mediaBytes (holes on disk), the data section, a tail.
void WriteRecording(const std::filesystem::path& path, uint32_t mediaBytes, int entries) {
    RecordingRecipe recipe;
    recipe.entryCount = entries;
    recipe.durationSeconds = entries / 10.0;
    recipe.startTime = "240102000000";
    const Bytes head = Concat({Box("ftyp", {'q', 't', ' ', ' ', 0, 0, 0, 0}), BoxWithSize(8 + mediaBytes, "mdat", {})});
    const Bytes tail = Concat({MakeDataSectionBox(recipe), MakeRecordingTail(RecordingTail::FreeBox)});
    const uint64_t sectionAt = head.size() + uint64_t{mediaBytes};
    MakeSparseFile(path, sectionAt + tail.size(),
                   {{0, std::string(head.begin(), head.end())}, {sectionAt, std::string(tail.begin(), tail.end())}});
}

void ParseOneHourDataSection(benchmark::State& state) {
    ScratchFolder dir;
    const auto path = dir / "hour.MOV";
    WriteRecording(path, 1 << 20, kOneHourOfEntries);
    MappedMovieFile reader;
    reader.Init();
    for (auto _ : state) {
        if (!reader.OpenAndParse(path.wstring())) state.SkipWithError("parse failed");
        benchmark::DoNotOptimize(reader.Records());
    }
    state.SetItemsProcessed(state.iterations() * kOneHourOfEntries);
    state.SetBytesProcessed(state.iterations() * kOneHourOfEntries * 124);
}
BENCHMARK(ParseOneHourDataSection)->Unit(benchmark::kMillisecond);

void WalkOneGibibyteRecording(benchmark::State& state) {
    ScratchFolder dir;
    const auto path = dir / "large.MOV";
    WriteRecording(path, 1u << 30, 600);
    MappedMovieFile reader;
    reader.Init();
    long faults = 0;
    for (auto _ : state) {
        const long before = MinorFaults();
        if (!reader.OpenAndParse(path.wstring())) state.SkipWithError("parse failed");
        faults += MinorFaults() - before;
    }
    // Pages faulted in per walk: a read of the media data would fault 262144.
    state.counters["pages_touched"] = benchmark::Counter(static_cast<double>(faults) / state.iterations());
}
BENCHMARK(WalkOneGibibyteRecording)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
