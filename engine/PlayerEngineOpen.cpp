// Opening, loading and closing a movie, and what the engine tells of it:
// its length, frame duration and picture size.

#include <cstring>

#include "ClipDataPreload.h"
#include "PlayerEngineSteps.h"
#include "format/ByteOrder.h"
#include "format/DataSectionHandlers.h"
#include "format/FrameRecordIndex.h"
#include "platform/ReadOnlyFile.h"

namespace {

constexpr size_t kHeadBytes = 260;
constexpr size_t kTypeOffset = 4;
constexpr char kFileType[] = "ftyp";
// 1.6 s of data at least: fewer entries cannot follow a playing clip.
constexpr uint16_t kMinimumEntries = 16;
constexpr float kMillisecondsPerSecond = 1000.0f;

bool LooksLikeMovie(const wchar_t* path) {
    const auto file = OpenReadOnlyFile(std::filesystem::path(path));
    if (!file || file->Size() == 0) return false;
    uint8_t head[kHeadBytes];
    if (!file->ReadAt(0, head, sizeof head)) return false;
    return std::memcmp(head + kTypeOffset, kFileType, 4) == 0;
}

// Empties the reader used for a quick look at a file.
void EmptyScratchReader(MappedMovieFile& reader) {
    reader.ClearRecords();
    reader.CloseHandles();
    reader.SetPath(L"");
}

// The number of data entries, through the scratch reader; 0 when the data
// section cannot be walked.
uint16_t CountDataEntries(PlayerEngine& engine, const wchar_t* path) {
    MappedMovieFile& reader = engine.ShownClipReader;
    uint16_t count = 0;
    if (reader.Open(path)) {
        const BoxHandler counter{4, "udat",
                                 [&count](MappedMovieFile&, ByteView area) { return UdatCountHandler(area, count); }};
        if (!reader.WalkToUdat(counter)) count = 0;
    }
    EmptyScratchReader(reader);
    return count;
}

// The samples an "stts" body lists (the sum of its runs' counts); a table
// that runs past its box fails.
int32_t CountTimedSamples(ByteView body, int64_t& samples) {
    constexpr size_t kEntryCount = 4;
    constexpr size_t kFirstEntry = 8;
    constexpr size_t kEntryBytes = 8;
    if (!body.Contains(kEntryCount, 4)) return kHandlerFailed;
    const uint32_t entries = ReadU32BE(body.data() + kEntryCount);
    int64_t total = 0;
    for (uint64_t i = 0; i < entries; ++i) {
        const uint64_t at = kFirstEntry + i * kEntryBytes;
        if (!body.Contains(at, kEntryBytes)) return kHandlerFailed;
        total += ReadU32BE(body.data() + at);
    }
    samples = total;
    return kHandlerDone;
}

// The frames of the first track's timing table; 0 when it cannot be read.
int64_t SampleTableFrameCount(PlayerEngine& engine, const wchar_t* path) {
    MappedMovieFile& reader = engine.ShownClipReader;
    int64_t frames = 0;
    if (reader.Open(path)) {
        const BoxHandler stts{4, "stts", [&frames](MappedMovieFile&, ByteView body) {
                                  return CountTimedSamples(body, frames);
                              }};
        if (!reader.WalkBoxPath(stts)) frames = 0;
    }
    EmptyScratchReader(reader);
    return frames;
}

// The whole-number frame rate of the sample table; 0 when there is none. A
// first delta above the time scale gives the rate 0, which is no rate.
int32_t SampleTableFrameRate(PlayerEngine& engine, const wchar_t* path) {
    EngineLockGuard hold(engine.fileLock);
    MappedMovieFile& reader = engine.ShownClipReader;
    int32_t rate = 0;
    if (reader.Open(path)) {
        reader.SetFrameDuration(0.0f);
        const BoxHandler stts{4, "stts", SttsFrameRateHandler};
        if (reader.WalkBoxPath(stts)) rate = static_cast<int32_t>(reader.FrameDuration());
        reader.SetFrameDuration(0.0f);
    }
    EmptyScratchReader(reader);
    return rate;
}

}  // namespace

void ReleasePlaybackBackend(PlayerEngine& engine) {
    if (!engine.EnginePlaybackBackend) return;
    engine.EnginePlaybackBackend->Close();
    engine.EnginePlaybackBackend.reset();
}

PlaybackBackend* ShowingBackend(PlayerEngine& engine) {
    PlaybackBackend* backend = engine.EnginePlaybackBackend.get();
    return backend != nullptr && backend->HasVideoControl() ? backend : nullptr;
}

bool PlayerNotReady(const PlayerEngine& engine) {
    const PlaybackBackend* backend = engine.EnginePlaybackBackend.get();
    return backend != nullptr && backend->IsMediaFoundation() && !backend->HasVideoControl();
}

int32_t PlayerEngine::DetectFrameDuration(PlayerEngine* engine, const wchar_t* path) {
    double rate = SampleTableFrameRate(*engine, path);
    if (rate <= 0.0 && !DetectFrameRateByMediaDetector(path, rate)) return 0;
    if (!(rate > 0.0)) return 0;
    engine->frameDuration = kMillisecondsPerSecond / static_cast<float>(rate);
    engine->LoadedClipReader.SetFrameDuration(engine->frameDuration);
    return 1;
}

int32_t PlayerEngine::OpenMovie(PlayerEngine* engine, const wchar_t* path) {
    if (path == nullptr) return 0;
    EngineLockGuard hold(engine->fileLock);
    if (!LooksLikeMovie(path)) return 0;
    if (CountDataEntries(*engine, path) < kMinimumEntries) return 0;
    if (!DetectFrameDuration(engine, path)) return 0;
    engine->movieFrames = SampleTableFrameCount(*engine, path);
    // A movie still open would leave its player running behind the new one.
    if (engine->EnginePlaybackBackend) CloseMovie(engine);

    std::unique_ptr<PlaybackBackend> backend = CreatePlaybackBackend(engine->videoWindow);
    if (!backend) return 0;
    engine->EnginePlaybackBackend = std::move(backend);
    PlaybackBackend& opened = *engine->EnginePlaybackBackend;
    uint32_t reversePlayable = 0;
    // A failed opening leaves nothing running: no player, no late event.
    if (!opened.OpenMedia(path) || !opened.AttachVideoWindow() || !opened.ReadReversePlayable(reversePlayable)) {
        ReleasePlaybackBackend(*engine);
        return 0;
    }
    engine->reversePlayable = reversePlayable;
    if (engine->PlayerEngineReady && GetTotalFrames(engine) <= 0) {
        ReleasePlaybackBackend(*engine);
        return 0;
    }
    engine->EnginePlayState = PlayState::kStopped;
    opened.AnnounceOpened();
    return 1;
}

int32_t PlayerEngine::CloseMovie(PlayerEngine* engine) {
    EngineLockGuard hold(engine->fileLock);
    // Whatever the play state: a player left from a failed opening is
    // closed too.
    ReleasePlaybackBackend(*engine);
    engine->EnginePlayState = PlayState::kNone;
    return 1;
}

int32_t PlayerEngine::LoadClipData(PlayerEngine* engine, const wchar_t* path) {
    EngineLockGuard hold(engine->fileLock);
    if (!OpenClipIntoLoadedReader(engine, path)) return 0;
    ClipRecords* records = engine->LoadedClipReader.Records();
    if (records == nullptr) return 0;
    const int64_t frames = engine->PlayerEngineReady ? GetTotalFrames(engine) : 0;
    return BuildFrameRecordIndex(*records, frames, engine->frameDuration) ? 1 : 0;
}

int32_t PlayerEngine::UnloadClipData(PlayerEngine* engine) {
    EngineLockGuard hold(engine->fileLock);
    MappedMovieFile& shown = engine->ShownClipReader;
    shown.parsedFlag = 0;
    EmptyScratchReader(shown);
    engine->LoadedClipReader.ClearRecords();
    return 1;
}

int64_t PlayerEngine::GetFrameCount(PlayerEngine* engine) {
    EngineLockGuard hold(engine->fileLock);
    int64_t duration = 0;
    if (!engine->EnginePlaybackBackend || !engine->EnginePlaybackBackend->ReadDuration(duration)) return 0;
    // A source that cannot tell its length yet (Wine's, on a busy machine)
    // would refuse the opening; the file's own timing table can.
    if (duration <= 0) return engine->movieFrames;
    return FrameAtPosition(duration, engine->frameDuration);
}

int32_t PlayerEngine::GetVideoSize(PlayerEngine* engine, int32_t* width, int32_t* height) {
    int32_t w = 0;
    int32_t h = 0;
    if (!QueryNativeVideoSize(engine, &w, &h)) return 0;
    if (width != nullptr) *width = w;
    if (height != nullptr) *height = h;
    return 1;
}

int32_t PlayerEngine::QueryNativeVideoSize(PlayerEngine* engine, int32_t* width, int32_t* height) {
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    int32_t w = 0;
    int32_t h = 0;
    if (backend == nullptr || !backend->ReadNativeVideoSize(w, h) || w <= 0 || h <= 0) return 0;
    *width = w;
    *height = h;
    return 1;
}

int32_t PlayerEngine::FitVideoRect(PlayerEngine* engine, ZoomRect* rect) {
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    ZoomRect client;
    int32_t videoWidth = 0;
    int32_t videoHeight = 0;
    if (backend == nullptr || !backend->ReadClientRect(client)) return 0;
    if (!QueryNativeVideoSize(engine, &videoWidth, &videoHeight)) return 0;
    return ::FitVideoRect(*rect, client.right - client.left, client.bottom - client.top, videoWidth, videoHeight) ? 1
                                                                                                                 : 0;
}
