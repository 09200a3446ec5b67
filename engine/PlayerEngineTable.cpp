#include "PlayerEngine.h"

PlayerEngine* PlayerEngine::SetFlag52(PlayerEngine* engine, uint32_t value) {
    engine->flag52 = value;
    return engine;
}

PlayerEngine* PlayerEngine::SetHardwareDecoding(PlayerEngine* engine, int32_t on) {
    engine->hardwareDecoding = on ? 1 : 0;
    return engine;
}

int32_t PlayerEngine::NoOperation(PlayerEngine*) { return 0; }

int64_t PlayerEngine::GetZero64(PlayerEngine*) { return 0; }

float PlayerEngine::GetFrameDuration(PlayerEngine* engine) { return engine->frameDuration; }

int64_t PlayerEngine::GetTotalFrames(PlayerEngine* engine) { return GetFrameCount(engine); }

void FillPlayerEngineTable(PlayerEngineTable& t) {
    t.Init = PlayerEngine::Init;
    t.Uninit = PlayerEngine::Uninit;
    t.IsRecorderFile = PlayerEngine::IsRecorderFile;
    t.OpenMovie = PlayerEngine::OpenMovie;
    t.CloseMovie = PlayerEngine::CloseMovie;
    t.LoadClipData = PlayerEngine::LoadClipData;
    t.UnloadClipData = PlayerEngine::UnloadClipData;
    t.Play = PlayerEngine::Play;
    t.SeekWhilePlaying = PlayerEngine::SeekWhilePlaying;
    t.Pause = PlayerEngine::Pause;
    t.Stop = PlayerEngine::Stop;
    t.GetCurrentFrame = PlayerEngine::GetCurrentFrame;
    t.SeekToFrame = PlayerEngine::SeekToFrame;
    t.JumpToFrame = PlayerEngine::JumpToFrame;
    t.SetFlag52 = PlayerEngine::SetFlag52;
    t.Slot15 = PlayerEngine::NoOperation;
    t.SetHardwareDecoding = PlayerEngine::SetHardwareDecoding;
    t.Slot17 = PlayerEngine::NoOperation;
    t.SetSpeed = PlayerEngine::SetSpeed;
    t.SetFrameStepMode = PlayerEngine::SetFrameStepMode;
    t.SetKeepAspect = PlayerEngine::SetKeepAspect;
    t.GetFrameCount = PlayerEngine::GetFrameCount;
    t.GetTotalFrames = PlayerEngine::GetTotalFrames;
    t.GetZero64 = PlayerEngine::GetZero64;
    t.GetFrameDuration = PlayerEngine::GetFrameDuration;
    t.GetVideoSize = PlayerEngine::GetVideoSize;
    t.SetVolume = PlayerEngine::SetVolume;
    t.DrawOverlayText = PlayerEngine::DrawOverlayText;
    t.SetDisplayMode = PlayerEngine::SetDisplayMode;
    t.SetVideoZoom = PlayerEngine::SetVideoZoom;
    t.SaveSnapshot = PlayerEngine::SaveSnapshot;
    t.RepaintVideo = PlayerEngine::RepaintVideo;
    t.RedrawZoom = PlayerEngine::RedrawZoom;
}
