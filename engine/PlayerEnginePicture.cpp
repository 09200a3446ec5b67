// What is drawn over the video, the snapshot of the shown frame, and the
// repaint of a still picture.

#include "PlayerEngineSteps.h"

int32_t PlayerEngine::DrawOverlayText(PlayerEngine* engine, const wchar_t* text) {
    EngineLockGuard hold(engine->fileLock);
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    int32_t videoWidth = 0;
    int32_t videoHeight = 0;
    ZoomRect client;
    if (backend == nullptr || !QueryNativeVideoSize(engine, &videoWidth, &videoHeight)) return 0;
    if (!backend->ReadClientRect(client)) return 0;
    const int32_t clientWidth = client.right - client.left;
    const int32_t clientHeight = client.bottom - client.top;
    OverlaySize size{};
    if (!ScaleOverlay(clientWidth, clientHeight, videoWidth, videoHeight, engine->keepAspect != 0, size)) return 0;
    return backend->ShowOverlayText(text ? text : L"", engine->overlayFont, size, clientWidth, clientHeight) ? 1 : 0;
}

int32_t PlayerEngine::SaveSnapshot(PlayerEngine* engine, const wchar_t* path) {
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    int32_t width = 0;
    int32_t height = 0;
    if (backend == nullptr || path == nullptr || !QueryNativeVideoSize(engine, &width, &height)) return 0;
    CapturedImage image;
    if (!backend->GrabCurrentImage(image)) return 0;
    return WriteSnapshotJpeg(image, path) ? 1 : 0;
}

int32_t PlayerEngine::RepaintVideo(PlayerEngine* engine) {
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    if (backend == nullptr) return 1;
    if (backend->IsMediaFoundation()) return backend->HasVideoControl() && backend->RepaintVideo() ? 1 : 0;
    // A DirectShow renderer redraws its still picture only when the graph
    // runs through the frame again.
    const int32_t frame = GetCurrentFrame(engine);
    if (!backend->Play()) return 1;
    SeekToFrame(engine, frame);
    const uint32_t state = engine->EnginePlayState;
    if (state == PlayState::kStopped || state == PlayState::kPaused) backend->Pause();
    return 1;
}
