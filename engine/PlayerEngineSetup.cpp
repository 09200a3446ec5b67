// Setting the engine up and taking it down, and the recorder-file test.

#include "PlayerEngineSteps.h"
#include "format/RecorderFile.h"
#include "platform/OverlayFont.h"

namespace {

constexpr wchar_t kFileLockName[] = L"hFileMutex";
constexpr wchar_t kCacheLockName[] = L"hCacheFileMutex";

bool SetUp(PlayerEngine* engine, HWND__* videoWindow, const wchar_t* faceName);

}  // namespace

PlayerEngine& ThePlayerEngine() {
    static PlayerEngine engine;
    return engine;
}

PlayerEngine::~PlayerEngine() {
    StopPositionTicker(*this);
    EnginePlaybackBackend.reset();
}

void PlayerEngine::Reset(PlayerEngine* engine) {
    Uninit(engine);
    engine->volume = 0;
    engine->videoWindow = nullptr;
    engine->frameDuration = 0.0f;
    engine->displayMode = 0;
    engine->flag52 = 0;
    engine->hardwareDecoding = 0;
    engine->reversePlayable = 0;
    engine->EngineSpeedIndex = 1;
    engine->keepAspect = 0;
    engine->zoomCentreX = 0;
    engine->zoomCentreY = 0;
    engine->zoomScale = 1.0f;
    engine->placedVideoRect = ZoomRect{};
    engine->zoomPanX = 0;
    engine->zoomPanY = 0;
    engine->EnginePlayState = PlayState::kNone;
    engine->currentFrame = 0;
    engine->PlayerEngineReady = 0;
    engine->clipDataLoaded = 0;
    engine->codecHintText = nullptr;
    engine->tickerLimit = 0;
    engine->tickerCounter = 0;
    engine->tickerWindow = nullptr;
}

int32_t PlayerEngine::Init(PlayerEngine* engine, HWND__* videoWindow, const wchar_t* faceName) {
    if (SetUp(engine, videoWindow, faceName)) return 1;
    // Nothing of a failed set-up is kept until the next one or the end of
    // the program: another running copy waits on the same named locks, and
    // the overlay font is a GDI object the process would hold for nothing.
    Uninit(engine);
    return 0;
}

namespace {

bool SetUp(PlayerEngine* engine, HWND__* videoWindow, const wchar_t* faceName) {
    PlayerEngine::Uninit(engine);
    if (!engine->fileLock.Create(kFileLockName)) return false;
    if (!engine->cacheLock.Create(kCacheLockName)) return false;

    EngineLockGuard hold(engine->fileLock);
    engine->videoWindow = videoWindow;
    engine->EngineSpeedIndex = 1;
    engine->EnginePlayState = PlayState::kNone;
    ReleasePlaybackBackend(*engine);
    engine->EngineGroupTrack.reset();
    engine->currentFrame = 0;
    engine->overlayFont = CreateOverlayFont(videoWindow, faceName);

    // All three readers get their handle of the walk lock, so every walk is
    // locked and every reader's records are released on the way down.
    const bool shown = engine->ShownClipReader.Init();
    const bool loaded = engine->LoadedClipReader.Init();
    const bool preload = engine->PreloadReader.Init();
    return shown && loaded && preload;
}

}  // namespace

int32_t PlayerEngine::Uninit(PlayerEngine* engine) {
    StopPositionTicker(*engine);
    // A running pre-load gives up at its next box step.
    engine->PreloadReader.cancelFlag = 1;
    WaitForRelease(engine->cacheLock);
    engine->PreloadReader.cancelFlag = 0;

    {
        EngineLockGuard hold(engine->fileLock);
        // A movie still open is closed, so no player outlives the engine.
        ReleasePlaybackBackend(*engine);
        engine->EngineGroupTrack.reset();
        DeleteOverlayFont(engine->overlayFont);
        engine->overlayFont = nullptr;
        engine->EnginePlayState = PlayState::kNone;
    }
    engine->fileLock.Close();
    engine->cacheLock.Close();

    engine->PreloadReader.Close();
    engine->LoadedClipReader.Close();
    engine->ShownClipReader.Close();
    return 1;
}

int32_t PlayerEngine::IsRecorderFile(PlayerEngine* engine, const wchar_t* path) {
    if (path == nullptr) return 0;
    EngineLockGuard hold(engine->fileLock);
    return ::IsRecorderFile(std::filesystem::path(path)) ? 1 : 0;
}
