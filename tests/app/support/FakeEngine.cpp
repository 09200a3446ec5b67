#include "FakeEngine.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "ClipDataPreload.h"
#include "app/MainWindowMessages.h"
#include "format/FrameRecordIndex.h"

namespace testing_support {

namespace {

FakeEngine& Fake() { return FakeEngine::Instance(); }

// The file name of a path, for the log.
std::string NameOf(const wchar_t* path) {
    const std::wstring text = path != nullptr ? path : L"";
    const std::wstring name = text.substr(text.find_last_of(L'\\') + 1);
    return std::string(name.begin(), name.end());
}

// The real set-up gives the pre-load and the readers their locks.
int32_t Init(PlayerEngine* engine, HWND__* window, const wchar_t* face) {
    Fake().Log("Init");
    Fake().initWindow = window;
    Fake().initFace = face != nullptr ? face : L"";
    PlayerEngine::Init(engine, window, face);
    engine->EnginePlayState = PlayState::kNone;
    return Fake().initResult;
}

int32_t Uninit(PlayerEngine* engine) {
    Fake().Log("Uninit");
    PlayerEngine::Uninit(engine);
    engine->EnginePlayState = PlayState::kNone;
    return 1;
}

int32_t IsRecorderFile(PlayerEngine* engine, const wchar_t* path) {
    Fake().Log("IsRecorderFile");
    return PlayerEngine::IsRecorderFile(engine, path);
}

// Answers as the DirectShow path does: the ready report is posted to the
// video surface before the entry returns.
int32_t OpenMovie(PlayerEngine* engine, const wchar_t* path) {
    Fake().Log("OpenMovie " + NameOf(path));
    if (!Fake().openResult) {
        return 0;
    }
    engine->EnginePlayState = PlayState::kStopped;
    Fake().openFile.Reset(CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (Fake().postReady) {
        PostMessageW(engine->videoWindow, WM_PLAYER_READY, 0, 0);
    }
    return 1;
}

int32_t CloseMovie(PlayerEngine* engine) {
    Fake().Log("CloseMovie");
    Fake().openFile.Reset();
    engine->EnginePlayState = PlayState::kNone;
    return 1;
}

// The real take-over of the pre-loaded records, or a parse of its own.
int32_t LoadClipData(PlayerEngine* engine, const wchar_t* path) {
    Fake().Log("LoadClipData " + NameOf(path));
    if (!OpenClipIntoLoadedReader(engine, path)) {
        return 0;
    }
    ClipRecords* records = engine->LoadedClipReader.Records();
    return records != nullptr && BuildFrameRecordIndex(*records, Fake().frameCount, Fake().frameDuration) ? 1 : 0;
}

int32_t UnloadClipData(PlayerEngine*) {
    Fake().Log("UnloadClipData");
    return 1;
}

int32_t SetState(PlayerEngine* engine, const char* name, uint32_t state) {
    Fake().Log(name);
    if (engine->EnginePlayState != PlayState::kNone) {
        engine->EnginePlayState = state;
    }
    return 1;
}

int32_t Play(PlayerEngine* engine) { return SetState(engine, "Play", PlayState::kPlaying); }
int32_t Pause(PlayerEngine* engine) { return SetState(engine, "Pause", PlayState::kPaused); }
int32_t Stop(PlayerEngine* engine) { return SetState(engine, "Stop", PlayState::kStopped); }

int32_t SeekWhilePlaying(PlayerEngine*, int32_t frame) {
    Fake().Log("SeekWhilePlaying " + std::to_string(frame));
    return 1;
}

int32_t GetCurrentFrame(PlayerEngine*) { return Fake().currentFrame; }

int32_t SeekToFrame(PlayerEngine*, int64_t frame) {
    Fake().Log("SeekToFrame " + std::to_string(frame));
    return 1;
}

int32_t JumpToFrame(PlayerEngine*, int64_t frame) {
    Fake().Log("JumpToFrame " + std::to_string(frame));
    return 1;
}

PlayerEngine* SetFlag52(PlayerEngine* engine, uint32_t) {
    Fake().Log("SetFlag52");
    return engine;
}

int32_t Nothing(PlayerEngine*) { return 0; }

PlayerEngine* SetHardwareDecoding(PlayerEngine* engine, int32_t on) {
    Fake().Log("SetHardwareDecoding " + std::to_string(on));
    return engine;
}

int32_t SetSpeed(PlayerEngine* engine, int32_t speed) {
    Fake().Log("SetSpeed " + std::to_string(speed));
    engine->EngineSpeedIndex = speed;
    return 1;
}

int32_t SetFrameStepMode(PlayerEngine*, int32_t) {
    Fake().Log("SetFrameStepMode");
    return 1;
}

int32_t SetKeepAspect(PlayerEngine* engine, int32_t keep) {
    Fake().Log("SetKeepAspect " + std::to_string(keep));
    engine->keepAspect = static_cast<uint32_t>(keep);
    return 1;
}

int64_t GetFrameCount(PlayerEngine*) { return Fake().frameCount; }

int64_t Zero64(PlayerEngine*) { return 0; }

float GetFrameDuration(PlayerEngine*) { return Fake().frameDuration; }

int32_t GetVideoSize(PlayerEngine*, int32_t* width, int32_t* height) {
    *width = Fake().videoWidth;
    *height = Fake().videoHeight;
    return Fake().videoHeight > 0 ? 1 : 0;
}

int32_t SetVolume(PlayerEngine*, uint32_t volume) {
    Fake().Log("SetVolume " + std::to_string(volume));
    return 1;
}

int32_t DrawOverlayText(PlayerEngine*, const wchar_t*) {
    Fake().Log("DrawOverlayText");
    return 1;
}

int32_t SetDisplayMode(PlayerEngine*, uint32_t) {
    Fake().Log("SetDisplayMode");
    return 1;
}

int32_t SetVideoZoom(PlayerEngine*, int32_t x, int32_t y, int32_t panX, int32_t panY, float scale, int32_t repaint) {
    char line[96];
    snprintf(line, sizeof line, "SetVideoZoom %d %d %d %d %.1f %d", x, y, panX, panY, scale, repaint);
    Fake().Log(line);
    return 1;
}

int32_t SaveSnapshot(PlayerEngine*, const wchar_t* path) {
    Fake().Log("SaveSnapshot " + NameOf(path));
    if (Fake().snapshotWritesFile) {
        const fw::UniqueHandle file(CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
        DWORD written = 0;
        WriteFile(file.Get(), "jpeg", 4, &written, nullptr);
    }
    return Fake().snapshotResult;
}

int32_t RepaintVideo(PlayerEngine*) {
    Fake().Log("RepaintVideo");
    return 1;
}

int32_t RedrawZoom(PlayerEngine*) {
    Fake().Log("RedrawZoom");
    return 1;
}

}  // namespace

FakeEngine& FakeEngine::Instance() {
    static FakeEngine engine;
    return engine;
}

void FakeEngine::Fill(PlayerEngineTable& t) {
    t.Init = Init;
    t.Uninit = Uninit;
    t.IsRecorderFile = IsRecorderFile;
    t.OpenMovie = OpenMovie;
    t.CloseMovie = CloseMovie;
    t.LoadClipData = LoadClipData;
    t.UnloadClipData = UnloadClipData;
    t.Play = Play;
    t.SeekWhilePlaying = SeekWhilePlaying;
    t.Pause = Pause;
    t.Stop = Stop;
    t.GetCurrentFrame = GetCurrentFrame;
    t.SeekToFrame = SeekToFrame;
    t.JumpToFrame = JumpToFrame;
    t.SetFlag52 = SetFlag52;
    t.Slot15 = Nothing;
    t.SetHardwareDecoding = SetHardwareDecoding;
    t.Slot17 = Nothing;
    t.SetSpeed = SetSpeed;
    t.SetFrameStepMode = SetFrameStepMode;
    t.SetKeepAspect = SetKeepAspect;
    t.GetFrameCount = GetFrameCount;
    t.GetTotalFrames = GetFrameCount;
    t.GetZero64 = Zero64;
    t.GetFrameDuration = GetFrameDuration;
    t.GetVideoSize = GetVideoSize;
    t.SetVolume = SetVolume;
    t.DrawOverlayText = DrawOverlayText;
    t.SetDisplayMode = SetDisplayMode;
    t.SetVideoZoom = SetVideoZoom;
    t.SaveSnapshot = SaveSnapshot;
    t.RepaintVideo = RepaintVideo;
    t.RedrawZoom = RedrawZoom;
}

void FakeEngine::Reset() {
    std::lock_guard<std::mutex> hold(mutex_);
    calls_.clear();
    initResult = 1;
    initWindow = nullptr;
    initFace.clear();
    openResult = 1;
    postReady = true;
    frameCount = 300;
    currentFrame = 0;
    frameDuration = 33.3667f;
    videoWidth = 0;
    videoHeight = 0;
    snapshotResult = 0;
    snapshotWritesFile = false;
    openFile.Reset();
}

void FakeEngine::Log(const std::string& line) {
    std::lock_guard<std::mutex> hold(mutex_);
    calls_.push_back(line);
}

std::vector<std::string> FakeEngine::Calls() const {
    std::lock_guard<std::mutex> hold(mutex_);
    return calls_;
}

std::vector<std::string> FakeEngine::CallsFrom(const std::string& prefix) const {
    const std::vector<std::string> calls = Calls();
    const auto first = std::find_if(calls.begin(), calls.end(),
                                    [&](const std::string& call) { return call.rfind(prefix, 0) == 0; });
    return {first, calls.end()};
}

bool FakeEngine::Called(const std::string& prefix) const { return !CallsFrom(prefix).empty(); }

std::vector<std::string> FakeEngine::Lines(const std::string& prefix) const {
    std::vector<std::string> lines;
    for (const std::string& call : Calls()) {
        if (call.rfind(prefix, 0) == 0) lines.push_back(call);
    }
    return lines;
}

}  // namespace testing_support
