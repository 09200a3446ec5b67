#pragma once

#include <atomic>
#include <cstdint>
#include <memory>
#include <thread>
#include <vector>

#include "EngineLock.h"
#include "VideoZoom.h"
#include "format/DataRecords.h"
#include "player/PlaybackBackend.h"
#include "reader/MappedMovieFile.h"

// The platform's window and font handles, declared the way its headers
// declare them, so this block stays free of those headers.
struct HWND__;
struct HFONT__;

// Play states of EnginePlayState.
namespace PlayState {
constexpr uint32_t kNone = 0;
constexpr uint32_t kStopped = 1;
constexpr uint32_t kPlaying = 2;
constexpr uint32_t kPaused = 3;
}  // namespace PlayState

// The movie engine's one context block. The engine is a module of free
// functions over it; the rest of the program reaches playback through
// PlayerEngineTable and always passes the one block, ThePlayerEngine().
struct PlayerEngine {
    PlayerEngine() = default;
    ~PlayerEngine();
    PlayerEngine(const PlayerEngine&) = delete;
    PlayerEngine& operator=(const PlayerEngine&) = delete;

    uint32_t volume = 0;             // 0..65535, as last set
    HWND__* videoWindow = nullptr;
    float frameDuration = 0.0f;      // ms per frame, the unit of every frame number
    uint32_t displayMode = 0;
    uint32_t flag52 = 0;             // stored, never read
    uint32_t hardwareDecoding = 0;   // stored; playback does not consult it
    uint32_t reversePlayable = 0;    // 1 when the opened movie can play backwards
    int64_t movieFrames = 0;         // the first track's timing table's frames, for a source that cannot tell its length
    int32_t EngineSpeedIndex = 1;    // -4, -2, -1, 1 (normal), 2, 4

    // Where the video goes: the zoom around a centre point, the pan added
    // to the zoomed rectangle's edges, and whether the aspect ratio is kept.
    uint32_t keepAspect = 0;         // 1 letter-boxes the video, 0 stretches it
    int32_t zoomCentreX = 0;
    int32_t zoomCentreY = 0;
    float zoomScale = 1.0f;
    ZoomRect placedVideoRect;        // where the last zoomed placement put the video
    int32_t zoomPanX = 0;
    int32_t zoomPanY = 0;

    std::atomic<uint32_t> EnginePlayState{PlayState::kNone};
    int64_t currentFrame = 0;
    // Set by the main window only when Init succeeded; every caller of the
    // engine tests it first.
    std::atomic<uint32_t> PlayerEngineReady{0};
    // Set by the main window once the current clip's records were handed to
    // the engine, cleared when it closes or unloads the clip.
    std::atomic<uint32_t> clipDataLoaded{0};
    HFONT__* overlayFont = nullptr;
    // The text shown when no decoder can be built; handed in by the main
    // window from its text table, which outlives the engine.
    const wchar_t* codecHintText = nullptr;

    EngineLock fileLock;   // "hFileMutex": playback state and the shown records
    EngineLock cacheLock;  // "hCacheFileMutex": the pre-load area

    MappedMovieFile ShownClipReader;   // the records the windows show
    MappedMovieFile LoadedClipReader;  // where the current clip's data is loaded
    MappedMovieFile PreloadReader;     // filled in the background

    // What plays the open movie; null while none is open.
    std::unique_ptr<PlaybackBackend> EnginePlaybackBackend;

    // Frame stepping: a thread that posts one tick per second to the ticker
    // window until the counter reaches the limit.
    std::atomic<uint32_t> tickerRunning{0};
    std::thread tickerThread;
    std::atomic<int32_t> tickerLimit{0};
    std::atomic<int32_t> tickerCounter{0};
    HWND__* tickerWindow = nullptr;

    // GPS samples of the current group of recordings, for the map.
    std::unique_ptr<std::vector<GpsRecord>> EngineGroupTrack;

    bool HasMediaFoundationPlayer() const {
        return EnginePlaybackBackend != nullptr && EnginePlaybackBackend->IsMediaFoundation();
    }

    // Takes down whatever an earlier set-up left and returns every field to
    // its start value, so Init starts from a clean block.
    static void Reset(PlayerEngine* engine);
    // Sets the engine up for the given video window; the font face is the
    // overlay's. Undoes an earlier set-up first. 1 on success.
    static int32_t Init(PlayerEngine* engine, HWND__* videoWindow, const wchar_t* faceName);
    // Takes the engine down; returns 1.
    static int32_t Uninit(PlayerEngine* engine);
    // 1 when the file is one of the recorder's recordings.
    static int32_t IsRecorderFile(PlayerEngine* engine, const wchar_t* path);

    static int32_t OpenMovie(PlayerEngine* engine, const wchar_t* path);
    static int32_t CloseMovie(PlayerEngine* engine);
    static int32_t LoadClipData(PlayerEngine* engine, const wchar_t* path);
    static int32_t UnloadClipData(PlayerEngine* engine);
    static int32_t Play(PlayerEngine* engine);
    static int32_t SeekWhilePlaying(PlayerEngine* engine, int32_t frame);
    static int32_t Pause(PlayerEngine* engine);
    static int32_t Stop(PlayerEngine* engine);
    static int32_t GetCurrentFrame(PlayerEngine* engine);
    static int32_t SeekToFrame(PlayerEngine* engine, int64_t frame);
    static int32_t JumpToFrame(PlayerEngine* engine, int64_t frame);
    static PlayerEngine* SetFlag52(PlayerEngine* engine, uint32_t value);
    static int32_t NoOperation(PlayerEngine* engine);
    static PlayerEngine* SetHardwareDecoding(PlayerEngine* engine, int32_t on);
    static int32_t SetSpeed(PlayerEngine* engine, int32_t speedIndex);
    static int32_t SetFrameStepMode(PlayerEngine* engine, int32_t on);
    static int32_t SetKeepAspect(PlayerEngine* engine, int32_t keep);
    static int64_t GetFrameCount(PlayerEngine* engine);
    static int64_t GetTotalFrames(PlayerEngine* engine);
    static int64_t GetZero64(PlayerEngine* engine);
    static float GetFrameDuration(PlayerEngine* engine);
    static int32_t GetVideoSize(PlayerEngine* engine, int32_t* width, int32_t* height);
    static int32_t SetVolume(PlayerEngine* engine, uint32_t volume);
    static int32_t DrawOverlayText(PlayerEngine* engine, const wchar_t* text);
    static int32_t SetDisplayMode(PlayerEngine* engine, uint32_t mode);
    static int32_t SetVideoZoom(PlayerEngine* engine, int32_t centreX, int32_t centreY, int32_t panX, int32_t panY,
                                float scale, int32_t repaint);
    static int32_t SaveSnapshot(PlayerEngine* engine, const wchar_t* path);
    static int32_t RepaintVideo(PlayerEngine* engine);
    static int32_t RedrawZoom(PlayerEngine* engine);

    // Steps of the entries above.
    // Works out the frame duration of the movie at path; 1 when it could.
    static int32_t DetectFrameDuration(PlayerEngine* engine, const wchar_t* path);
    // The picture's own size; 0 when it is not known yet (either side 0).
    static int32_t QueryNativeVideoSize(PlayerEngine* engine, int32_t* width, int32_t* height);
    // Shrinks rect to the video's aspect ratio within the video window.
    static int32_t FitVideoRect(PlayerEngine* engine, ZoomRect* rect);
};

PlayerEngine& ThePlayerEngine();

// The 33 entry points of the engine, in slot order, filled once at start-up.
struct PlayerEngineTable {
    int32_t (*Init)(PlayerEngine*, HWND__*, const wchar_t*);
    int32_t (*Uninit)(PlayerEngine*);
    int32_t (*IsRecorderFile)(PlayerEngine*, const wchar_t*);
    int32_t (*OpenMovie)(PlayerEngine*, const wchar_t*);
    int32_t (*CloseMovie)(PlayerEngine*);
    int32_t (*LoadClipData)(PlayerEngine*, const wchar_t*);
    int32_t (*UnloadClipData)(PlayerEngine*);
    int32_t (*Play)(PlayerEngine*);
    int32_t (*SeekWhilePlaying)(PlayerEngine*, int32_t);
    int32_t (*Pause)(PlayerEngine*);
    int32_t (*Stop)(PlayerEngine*);
    int32_t (*GetCurrentFrame)(PlayerEngine*);
    int32_t (*SeekToFrame)(PlayerEngine*, int64_t);
    int32_t (*JumpToFrame)(PlayerEngine*, int64_t);
    PlayerEngine* (*SetFlag52)(PlayerEngine*, uint32_t);
    int32_t (*Slot15)(PlayerEngine*);
    PlayerEngine* (*SetHardwareDecoding)(PlayerEngine*, int32_t);
    int32_t (*Slot17)(PlayerEngine*);
    int32_t (*SetSpeed)(PlayerEngine*, int32_t);
    int32_t (*SetFrameStepMode)(PlayerEngine*, int32_t);
    int32_t (*SetKeepAspect)(PlayerEngine*, int32_t);
    int64_t (*GetFrameCount)(PlayerEngine*);
    int64_t (*GetTotalFrames)(PlayerEngine*);
    int64_t (*GetZero64)(PlayerEngine*);
    float (*GetFrameDuration)(PlayerEngine*);
    int32_t (*GetVideoSize)(PlayerEngine*, int32_t*, int32_t*);
    int32_t (*SetVolume)(PlayerEngine*, uint32_t);
    int32_t (*DrawOverlayText)(PlayerEngine*, const wchar_t*);
    int32_t (*SetDisplayMode)(PlayerEngine*, uint32_t);
    int32_t (*SetVideoZoom)(PlayerEngine*, int32_t, int32_t, int32_t, int32_t, float, int32_t);
    int32_t (*SaveSnapshot)(PlayerEngine*, const wchar_t*);
    int32_t (*RepaintVideo)(PlayerEngine*);
    int32_t (*RedrawZoom)(PlayerEngine*);
};

constexpr size_t kPlayerEngineTableSlots = 33;
static_assert(sizeof(PlayerEngineTable) == kPlayerEngineTableSlots * sizeof(void (*)()),
              "one pointer per slot, nothing else");

void FillPlayerEngineTable(PlayerEngineTable& table);
