// This host has no media platform: nothing plays here, and the engine's
// entries are exercised through a test's own back-end.

#include "PlaybackBackend.h"

std::unique_ptr<PlaybackBackend> CreatePlatformPlaybackBackend(HWND__*) { return nullptr; }

bool DetectFrameRateByMediaDetector(const std::wstring&, double&) { return false; }

bool WriteSnapshotJpeg(const CapturedImage&, const std::wstring&) { return false; }
