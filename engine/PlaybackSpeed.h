#pragma once

#include <cstdint>

struct PlayerEngine;

// The speed index the faster or slower button moves to from the engine's
// current EngineSpeedIndex: 0 while the engine is not set up, 1 (normal)
// unless a movie is playing. Reverse steps are offered only where the
// movie can play backwards, or, going slower, where no Media Foundation
// player plays it.
int32_t NextPlaybackSpeed(int32_t faster);
int32_t NextPlaybackSpeed(const PlayerEngine& engine, int32_t faster);
