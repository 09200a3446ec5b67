#include "PlaybackSpeed.h"

#include "PlayerEngine.h"

namespace {

constexpr int kSpeedCount = 6;
constexpr int32_t kSpeeds[kSpeedCount] = {-4, -2, -1, 1, 2, 4};
constexpr int32_t kNormalSpeed = 1;

// The next speed for each of kSpeeds, one row per case.
constexpr int32_t kFasterWithReverse[kSpeedCount] = {-2, -1, 1, 2, 4, 4};
constexpr int32_t kFasterForwardOnly[kSpeedCount] = {-2, 1, 1, 2, 4, 4};
// The Media Foundation player cannot step down into -4: from there the
// slower button goes back to normal speed.
constexpr int32_t kSlowerWithPlayer[kSpeedCount] = {1, -2, -2, -1, 1, 2};
constexpr int32_t kSlowerWithoutPlayer[kSpeedCount] = {-4, -4, -2, -1, 1, 2};

const int32_t* RowFor(const PlayerEngine& engine, bool faster) {
    if (faster) return engine.reversePlayable ? kFasterWithReverse : kFasterForwardOnly;
    return engine.HasMediaFoundationPlayer() ? kSlowerWithPlayer : kSlowerWithoutPlayer;
}

}  // namespace

int32_t NextPlaybackSpeed(int32_t faster) { return NextPlaybackSpeed(ThePlayerEngine(), faster); }

int32_t NextPlaybackSpeed(const PlayerEngine& engine, int32_t faster) {
    if (!engine.PlayerEngineReady) return 0;
    if (engine.EnginePlayState != PlayState::kPlaying) return kNormalSpeed;
    const int32_t* next = RowFor(engine, faster != 0);
    for (int i = 0; i < kSpeedCount; ++i) {
        if (kSpeeds[i] == engine.EngineSpeedIndex) return next[i];
    }
    return kNormalSpeed;
}
