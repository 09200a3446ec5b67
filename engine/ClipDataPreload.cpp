#include "ClipDataPreload.h"

#include <string>

#include "PlayerEngine.h"

namespace {

// Empties the pre-load area; the caller holds the cache lock.
void EmptyPreloadArea(MappedMovieFile& area) {
    area.parsedFlag = 0;
    area.ClearRecords();
    area.CloseHandles();
    area.SetPath(L"");
}

// Makes a running pre-load give up at its next box step and waits for it.
void CancelPreload(PlayerEngine& engine) {
    engine.PreloadReader.cancelFlag = 1;
    WaitForRelease(engine.cacheLock);
    engine.PreloadReader.cancelFlag = 0;
}

}  // namespace

int32_t PreloadClipData(PlayerEngine& engine, const wchar_t* path) {
    if (!engine.PlayerEngineReady) return 0;
    MappedMovieFile& area = engine.PreloadReader;
    area.cancelFlag = 1;
    // The area is only ever changed under the cache lock, so two callers can
    // never free the same records, nor free them during a take-over.
    EngineLockGuard hold(engine.cacheLock);
    area.cancelFlag = 0;
    EmptyPreloadArea(area);
    area.busyFlag = 1;
    area.SetPendingPath(path ? path : L"");
    const bool parsed = path == nullptr || area.OpenAndParse(path);
    area.busyFlag = 0;
    return parsed ? 1 : 0;
}

int32_t PreloadClipData(const wchar_t* path) { return PreloadClipData(ThePlayerEngine(), path); }

int32_t OpenClipIntoLoadedReader(PlayerEngine* engine, const wchar_t* path) {
    if (path == nullptr) return 0;
    const std::wstring wanted(path);
    MappedMovieFile& area = engine->PreloadReader;
    // The file lock comes first, as everywhere, before the cache lock.
    EngineLockGuard holdFile(engine->fileLock);
    if (area.busyFlag && area.PendingPath() == wanted) {
        WaitForRelease(engine->cacheLock);  // let the pre-load of this clip finish
    } else {
        CancelPreload(*engine);
    }

    EngineLockGuard holdCache(engine->cacheLock);
    engine->ShownClipReader.SetPath(wanted);
    const bool preloaded = area.parsedFlag && !area.Path().empty() && area.Path() == wanted;
    if (preloaded) {
        engine->LoadedClipReader.TakeRecordsFrom(area);
        area.parsedFlag = 0;
        return 1;
    }
    EmptyPreloadArea(area);
    return engine->LoadedClipReader.OpenAndParse(wanted) ? 1 : 0;
}
