// Entries whose playback side is not built yet. Each answers as the entry
// does when it fails, so callers take the path they take on a failure.

#include "PlayerEngine.h"

int32_t PlayerEngine::OpenMovie(PlayerEngine*, const wchar_t*) { return 0; }
int32_t PlayerEngine::CloseMovie(PlayerEngine*) { return 0; }
int32_t PlayerEngine::LoadClipData(PlayerEngine*, const wchar_t*) { return 0; }
int32_t PlayerEngine::UnloadClipData(PlayerEngine*) { return 0; }
int32_t PlayerEngine::Play(PlayerEngine*) { return 0; }
int32_t PlayerEngine::SeekWhilePlaying(PlayerEngine*, int32_t) { return 0; }
int32_t PlayerEngine::Pause(PlayerEngine*) { return 0; }
int32_t PlayerEngine::Stop(PlayerEngine*) { return 0; }
int32_t PlayerEngine::GetCurrentFrame(PlayerEngine*) { return -1; }
int32_t PlayerEngine::SeekToFrame(PlayerEngine*, int64_t) { return 0; }
int32_t PlayerEngine::SetSpeed(PlayerEngine*, int32_t) { return 0; }
int32_t PlayerEngine::SetFrameStepMode(PlayerEngine*, int32_t) { return 0; }
int32_t PlayerEngine::SetKeepAspect(PlayerEngine*, int32_t) { return 0; }
int64_t PlayerEngine::GetFrameCount(PlayerEngine*) { return 0; }
int32_t PlayerEngine::GetVideoSize(PlayerEngine*, int32_t*, int32_t*) { return 0; }
int32_t PlayerEngine::SetVolume(PlayerEngine*, uint32_t) { return 0; }
int32_t PlayerEngine::DrawOverlayText(PlayerEngine*, const wchar_t*) { return 0; }
int32_t PlayerEngine::SetDisplayMode(PlayerEngine*, uint32_t) { return 0; }
int32_t PlayerEngine::SetVideoZoom(PlayerEngine*, int32_t, int32_t, int32_t, int32_t, float, int32_t) { return 0; }
int32_t PlayerEngine::SaveSnapshot(PlayerEngine*, const wchar_t*) { return 0; }
int32_t PlayerEngine::RepaintVideo(PlayerEngine*) { return 0; }
int32_t PlayerEngine::RedrawZoom(PlayerEngine*) { return 0; }
