// How fast the reader parses a long data section, and how little it touches
// of a large recording on its way to the data section.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "SparseRecording.h"
#include "TestRecordings.h"
#include "reader/MappedMovieFile.h"

namespace {

constexpr int kOneHourOfEntries = 36000;

long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

void ParseOneHourDataSection(benchmark::State& state) {
    ScratchFolder dir;
    const auto path = dir / "hour.MOV";
    MakeRecordingBehindHoles(path, 8 + (1u << 20), kOneHourOfEntries);
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
    MakeRecordingBehindHoles(path, 8 + (1u << 30), 600);
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
