// Play, pause, stop, the play position and seeking.

#include <chrono>
#include <thread>

#include "PlayerEngineSteps.h"

namespace {

// Just after a start the player's clock reads 0 for a while; it is asked
// again, a few times, before 0 is believed.
constexpr int kClockReads = 10;
constexpr auto kClockReadPause = std::chrono::milliseconds(10);

// The play position in 100-ns units; false when it cannot be read.
bool ReadPlayPosition(PlaybackBackend& backend, int64_t& position) {
    if (!backend.IsMediaFoundation()) return backend.ReadPosition(position);
    for (int read = 0; read < kClockReads; ++read) {
        if (!backend.ReadPosition(position)) return false;
        std::this_thread::sleep_for(kClockReadPause);
        if (position != 0) break;
    }
    return true;
}

}  // namespace

int32_t PlayerEngine::Play(PlayerEngine* engine) {
    if (PlayerNotReady(*engine)) return 0;
    EngineLockGuard hold(engine->fileLock);
    if (engine->EnginePlayState == PlayState::kPlaying) return 1;
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    if (backend != nullptr && backend->Play()) engine->EnginePlayState = PlayState::kPlaying;
    return 1;
}

int32_t PlayerEngine::Pause(PlayerEngine* engine) {
    if (PlayerNotReady(*engine)) return 0;
    EngineLockGuard hold(engine->fileLock);
    if (engine->EnginePlayState == PlayState::kPaused) return 1;
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    if (backend != nullptr && backend->Pause()) engine->EnginePlayState = PlayState::kPaused;
    return 1;
}

int32_t PlayerEngine::Stop(PlayerEngine* engine) {
    if (PlayerNotReady(*engine)) return 0;
    EngineLockGuard hold(engine->fileLock);
    if (engine->EnginePlayState == PlayState::kStopped) return 1;
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    if (backend != nullptr && backend->Stop()) engine->EnginePlayState = PlayState::kStopped;
    return 1;
}

int32_t PlayerEngine::GetCurrentFrame(PlayerEngine* engine) {
    if (PlayerNotReady(*engine)) return 0;
    EngineLockGuard hold(engine->fileLock);
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    int64_t position = 0;
    int32_t frame = 0;
    if (backend != nullptr && (!ReadPlayPosition(*backend, position) || position < 0)) {
        frame = -1;
    } else {
        frame = static_cast<int32_t>(FrameAtPosition(position, engine->frameDuration));
    }
    engine->currentFrame = frame;
    return frame;
}

int32_t PlayerEngine::SeekToFrame(PlayerEngine* engine, int64_t frame) {
    if (PlayerNotReady(*engine)) return 0;
    EngineLockGuard hold(engine->fileLock);
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    if (backend != nullptr) backend->SeekAndShow(PositionOfFrame(frame, engine->frameDuration));
    return 1;
}

int32_t PlayerEngine::JumpToFrame(PlayerEngine* engine, int64_t frame) { return SeekToFrame(engine, frame); }

int32_t PlayerEngine::SeekWhilePlaying(PlayerEngine* engine, int32_t frame) {
    if (PlayerNotReady(*engine)) return 0;
    EngineLockGuard hold(engine->fileLock);
    if (engine->EnginePlayState == PlayState::kPlaying && engine->HasMediaFoundationPlayer()) {
        engine->EnginePlaybackBackend->SeekWhilePlaying(PositionOfFrame(frame, engine->frameDuration));
    }
    return 1;
}
