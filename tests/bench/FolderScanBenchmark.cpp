// How long the folder scan takes per recording, against the floor of the
// recorder-file test: a plain loop that opens each file and reads its first
// 260 and last 18 bytes. Both run over the same folder of 1000 small
// recordings laid out as the recorder lays them out (ftyp, free, mdat,
// moov, udat, 12-byte free).

#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>
#include <vector>

#include "MiniRecording.h"
#include "NullFolderTree.h"
#include "PlayerEngine.h"
#include "TestRecordings.h"
#include "browser/core/EngineRecorderProbe.h"
#include "browser/core/FolderWalks.h"
#include "browser/core/HostPath.h"
#include "browser/core/RecordLists.h"
#include "browser/platform/HostFileSystem.h"
#include "format/RecordingLayout.h"
#include "platform/ReadOnlyFile.h"

namespace {

constexpr int kRecordings = 1000;

// A folder of 1000 skeleton recordings of all five kinds, with a few other
// files beside them, made once for the whole run.
class ScanFolder {
public:
    ScanFolder() {
        MiniRecordingPlan plan;
        plan.dataSection.entryCount = 20;
        const Bytes bytes = MakeMiniRecording(plan);
        const char kinds[] = {'A', 'G', 'M', 'P', 'S'};
        for (int i = 0; i < kRecordings; ++i) {
            char name[40];
            std::snprintf(name, sizeof name, "24%02d%02d%02d%02d_%c%03d.MOV", 1 + i / 300, 1 + i / 24 % 28,
                          i % 24, i % 60, kinds[i % 5], i % 1000);
            const std::filesystem::path path = folder_ / name;
            WriteWholeFile(path, bytes);
            paths_.push_back(path);
        }
        WriteWholeFile(folder_ / "INDEX.DAT", {1, 2, 3});
    }
    const std::filesystem::path& Path() const { return folder_.path(); }
    const std::vector<std::filesystem::path>& Recordings() const { return paths_; }

private:
    ScratchFolder folder_;
    std::vector<std::filesystem::path> paths_;
};

const ScanFolder& Folder() {
    static const ScanFolder folder;
    return folder;
}

void PerRecording(benchmark::State& state) {
    state.SetItemsProcessed(state.iterations() * kRecordings);
    state.counters["per_recording"] = benchmark::Counter(
        static_cast<double>(state.iterations() * kRecordings),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The floor: open each file, read its first 260 and its last 18 bytes.
void RecorderTestFloor(benchmark::State& state) {
    const auto& paths = Folder().Recordings();
    uint8_t head[RecordingLayout::kRecorderFileHeadSize];
    uint8_t tail[RecordingLayout::kRecorderFileTailSize];
    for (auto _ : state) {
        int read = 0;
        for (const auto& path : paths) {
            const auto file = OpenReadOnlyFile(path);
            if (file && file->ReadAt(0, head, sizeof head) &&
                file->ReadAt(file->Size() - sizeof tail, tail, sizeof tail)) {
                ++read;
            }
        }
        if (read != kRecordings) state.SkipWithError("a recording could not be read");
        benchmark::DoNotOptimize(head);
    }
    PerRecording(state);
}
BENCHMARK(RecorderTestFloor)->Unit(benchmark::kMillisecond);

class ReadyEngine {
public:
    ReadyEngine() {
        FillPlayerEngineTable(table);
        PlayerEngine::Init(&engine, nullptr, L"face");
        engine.PlayerEngineReady = 1;
    }
    ~ReadyEngine() {
        engine.PlayerEngineReady = 0;
        PlayerEngine::Uninit(&engine);
    }
    PlayerEngine engine;
    PlayerEngineTable table{};
};

// Opening the folder as a source: list it, probe every ".MOV" through the
// engine's table, build the records, two-group order.
void FolderScan(benchmark::State& state) {
    ReadyEngine ready;
    const EngineRecorderProbe probe(ready.engine, ready.table);
    const UiString folder = UiFromUtf8(Folder().Path().string());
    NullTree tree;
    for (auto _ : state) {
        RecordCounters counters;
        FolderWalker walker(HostFileSystem(), probe, counters);
        MovieFileRecordList records;
        records.reserve(kMaxListedRecords);
        walker.FillFolderTree(folder, tree, kNoTreeItem, &records, nullptr, false, true, nullptr, 0);
        SortMovieFileRecords(records);
        if (records.size() != kRecordings) state.SkipWithError("not every recording was listed");
        benchmark::DoNotOptimize(records.data());
    }
    PerRecording(state);
}
BENCHMARK(FolderScan)->Unit(benchmark::kMillisecond);

// The CSV export's and the delete's walk over the same folder.
void WholeSourceWalk(benchmark::State& state) {
    ReadyEngine ready;
    const EngineRecorderProbe probe(ready.engine, ready.table);
    const UiString folder = UiFromUtf8(Folder().Path().string());
    for (auto _ : state) {
        RecordCounters counters;
        FolderWalker walker(HostFileSystem(), probe, counters);
        MovieFileRecordList records;
        walker.CollectRecordsRecursive(folder, records, nullptr, 0);
        if (records.size() != kRecordings) state.SkipWithError("not every recording was listed");
        benchmark::DoNotOptimize(records.data());
    }
    PerRecording(state);
}
BENCHMARK(WholeSourceWalk)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
