// Speed, direction and volume. Sound plays only at normal speed.

#include "PlayerEngineSteps.h"

int32_t PlayerEngine::SetSpeed(PlayerEngine* engine, int32_t speedIndex) {
    const SpeedStep step = ResolveSpeed(speedIndex, engine->EngineSpeedIndex, engine->reversePlayable != 0);
    engine->EngineSpeedIndex = step.index;
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    if (backend == nullptr) return 1;
    // A volume the renderer refuses (no sound device) never stops the rate.
    backend->SetAudibleVolume(AudibleVolume(engine->volume, step.index));
    return backend->SetRate(step.rate, ThinsAtRate(step.rate)) ? 1 : 0;
}

int32_t PlayerEngine::SetVolume(PlayerEngine* engine, uint32_t volume) {
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    if (backend != nullptr) backend->SetAudibleVolume(AudibleVolume(volume, engine->EngineSpeedIndex));
    engine->volume = volume;
    return 1;
}
