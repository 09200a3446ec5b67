#pragma once

#include <cstdint>

struct PlayerEngine;

// Parses a recording's data section into the engine's pre-load area, on any
// thread, cancelling a pre-load that is still running. With no path it only
// empties the area (before a job deletes, exports or joins recordings).
// 0 when the engine is not ready or the parse failed.
int32_t PreloadClipData(PlayerEngine& engine, const wchar_t* path);
int32_t PreloadClipData(const wchar_t* path);

// The open step of loading a clip: takes the pre-loaded records over when
// they are for this path (waiting for a pre-load of it to finish), and
// otherwise cuts a running pre-load short and parses the file into
// LoadedClipReader itself.
int32_t OpenClipIntoLoadedReader(PlayerEngine* engine, const wchar_t* path);
