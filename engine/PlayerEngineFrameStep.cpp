// Frame stepping: the movie is held still and a thread counts frames once a
// second into the window above the video.

#include <chrono>

#include "PlayerEngineSteps.h"
#include "PlayerMessages.h"
#include "platform/WindowMessages.h"

namespace {

constexpr auto kTurn = std::chrono::milliseconds(10);
constexpr int kTurnsPerTick = 100;

void PositionTicker(PlayerEngine* engine) {
    int turn = 0;
    while (engine->tickerRunning) {
        std::this_thread::sleep_for(kTurn);
        if (++turn % kTurnsPerTick != 0 || engine->EnginePlayState == PlayState::kPaused) continue;
        const int32_t frame = engine->tickerCounter++;
        PostWindowMessage(engine->tickerWindow, WM_APP_PLAYER_TICK, 0, frame);
        if (engine->tickerCounter >= engine->tickerLimit) {
            PostWindowMessage(engine->tickerWindow, WM_APP_PLAYER_TICK_END, 0, engine->tickerCounter);
            engine->tickerCounter = 0;
            return;
        }
    }
}

}  // namespace

void StopPositionTicker(PlayerEngine& engine) {
    engine.tickerRunning = 0;
    if (engine.tickerThread.joinable()) engine.tickerThread.join();
}

int32_t PlayerEngine::SetFrameStepMode(PlayerEngine* engine, int32_t on) {
    StopPositionTicker(*engine);
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    const bool player = engine->HasMediaFoundationPlayer();
    if (!on) {
        if (player) backend->Play();
        SetSpeed(engine, engine->EngineSpeedIndex);
        return 1;
    }
    if (engine->frameDuration == 0.0f) return 0;
    if (backend != nullptr) backend->SetAudibleVolume(0);
    if (!player) {
        if (backend != nullptr) backend->SetRate(1.0f / engine->frameDuration, false);
        engine->tickerRunning = 1;
        return 1;
    }
    backend->Play();
    engine->tickerLimit = static_cast<int32_t>(GetFrameCount(engine));
    engine->tickerCounter = static_cast<int32_t>(engine->currentFrame);
    engine->tickerWindow = ParentWindowOf(engine->videoWindow);
    backend->Pause();
    engine->tickerRunning = 1;
    engine->tickerThread = std::thread(PositionTicker, engine);
    return 1;
}
