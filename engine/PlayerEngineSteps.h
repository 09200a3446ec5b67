#pragma once

#include "PlayerEngine.h"

// Steps that several of the engine's entries share.

// Closes and releases the open movie's back-end, if any.
void ReleasePlaybackBackend(PlayerEngine& engine);

// Ends frame stepping and waits for its thread.
void StopPositionTicker(PlayerEngine& engine);

// The back-end of the open movie when it can show a picture: null when no
// movie is open, or while the player's topology is not ready.
PlaybackBackend* ShowingBackend(PlayerEngine& engine);

// A Media Foundation player whose topology is not ready yet: the entries
// that need a picture answer 0 at once.
bool PlayerNotReady(const PlayerEngine& engine);
