// The folder-scan benchmark's Windows side, for a run under Wine: the same
// 1000 skeleton recordings, the floor loop through CreateFileW and ReadFile,
// and the scan through FindFirstFileW and the engine's table. Prints the
// median time per recording of each and their ratio.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "MiniRecording.h"
#include "NullFolderTree.h"
#include "PlayerEngine.h"
#include "TestRecordings.h"
#include "browser/core/EngineRecorderProbe.h"
#include "browser/core/FolderWalks.h"
#include "browser/core/RecordLists.h"
#include "browser/platform/HostFileSystem.h"

namespace {

constexpr int kRecordings = 1000;
constexpr int kRounds = 15;

double Seconds() {
    LARGE_INTEGER now{}, frequency{};
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(now.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <class Body>
double MedianMicrosecondsPerRecording(Body body) {
    std::vector<double> rounds;
    for (int round = 0; round < kRounds; ++round) {
        const double start = Seconds();
        body();
        rounds.push_back((Seconds() - start) * 1e6 / kRecordings);
    }
    std::sort(rounds.begin(), rounds.end());
    return rounds[rounds.size() / 2];
}

bool ReadHeadAndTail(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                    FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    uint8_t head[260];
    uint8_t tail[18];
    LARGE_INTEGER size{};
    DWORD got = 0;
    bool ok = GetFileSizeEx(file, &size) && ReadFile(file, head, sizeof head, &got, nullptr) && got == sizeof head;
    LARGE_INTEGER at{};
    at.QuadPart = size.QuadPart - static_cast<LONGLONG>(sizeof tail);
    ok = ok && SetFilePointerEx(file, at, nullptr, FILE_BEGIN) && ReadFile(file, tail, sizeof tail, &got, nullptr) &&
         got == sizeof tail;
    CloseHandle(file);
    return ok;
}

}  // namespace

int wmain() {
    ScratchFolder folder;
    MiniRecordingPlan plan;
    plan.dataSection.entryCount = 20;
    const Bytes bytes = MakeMiniRecording(plan);
    const char kinds[] = {'A', 'G', 'M', 'P', 'S'};
    std::vector<std::wstring> paths;
    for (int i = 0; i < kRecordings; ++i) {
        wchar_t name[40];
        swprintf(name, 40, L"24%02d%02d%02d%02d_%c%03d.MOV", 1 + i / 300, 1 + i / 24 % 28, i % 24, i % 60,
                 kinds[i % 5], i);
        const std::filesystem::path path = folder.path() / name;
        WriteWholeFile(path, bytes);
        paths.push_back(path.wstring());
    }

    PlayerEngineTable table{};
    FillPlayerEngineTable(table);
    PlayerEngine::Init(&ThePlayerEngine(), nullptr, L"face");
    ThePlayerEngine().PlayerEngineReady = 1;
    const EngineRecorderProbe probe(ThePlayerEngine(), table);
    NullTree tree;
    const std::wstring root = folder.path().wstring();

    int bad = 0;
    const double floor = MedianMicrosecondsPerRecording([&] {
        for (const std::wstring& path : paths) bad += ReadHeadAndTail(path) ? 0 : 1;
    });
    const double scan = MedianMicrosecondsPerRecording([&] {
        RecordCounters counters;
        FolderWalker walker(HostFileSystem(), probe, counters);
        MovieFileRecordList records;
        walker.FillFolderTree(root, tree, kNoTreeItem, &records, nullptr, false, true, nullptr, 0);
        SortMovieFileRecords(records);
        bad += records.size() == kRecordings ? 0 : 1;
    });
    const double probeOnly = MedianMicrosecondsPerRecording([&] {
        for (const std::wstring& path : paths) bad += probe.IsRecorderFile(path) ? 0 : 1;
    });
    ThePlayerEngine().PlayerEngineReady = 0;
    PlayerEngine::Uninit(&ThePlayerEngine());

    std::printf("floor (open, 260 + 18 bytes): %.2f us per recording\n", floor);
    std::printf("engine recorder-file test:    %.2f us per recording (%.2fx the floor)\n", probeOnly,
                probeOnly / floor);
    std::printf("folder scan:                  %.2f us per recording (%.2fx the floor)\n", scan, scan / floor);
    return bad == 0 ? 0 : 1;
}
