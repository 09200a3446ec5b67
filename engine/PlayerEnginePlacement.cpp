// Where the video goes in its window: zoom and pan, the aspect ratio and
// the display mode.

#include <limits>

#include "PlayerEngineSteps.h"

namespace {

int32_t SaturatingAdd(int32_t value, int32_t offset) {
    const int64_t sum = int64_t{value} + offset;
    if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(sum);
}

// The client rectangle grown around the zoom centre and moved by the pan,
// kept as the placed rectangle. False when the zoom refuses the rectangle.
bool ZoomedRect(PlayerEngine& engine, const ZoomRect& client, ZoomRect& rect) {
    rect = client;
    if (!ZoomRectAroundPoint(rect, engine.zoomCentreX, engine.zoomCentreY, engine.zoomScale)) return false;
    rect = ZoomRect{SaturatingAdd(rect.left, engine.zoomPanX), SaturatingAdd(rect.top, engine.zoomPanY),
                    SaturatingAdd(rect.right, engine.zoomPanX), SaturatingAdd(rect.bottom, engine.zoomPanY)};
    engine.placedVideoRect = rect;
    return true;
}

// Places the picture through the player, then brings the still picture in
// line with the play state: a stopped movie shows its first frame.
int32_t MediaFoundationPlacement(PlayerEngine& engine, PlaybackBackend& backend, bool keepAspect) {
    const uint32_t state = engine.EnginePlayState;
    int32_t result = 0;
    ZoomRect client;
    ZoomRect rect;
    if (backend.HasVideoControl() && backend.ReadClientRect(client) && ZoomedRect(engine, client, rect) &&
        (!keepAspect || PlayerEngine::FitVideoRect(&engine, &rect)) && backend.SetVideoDestination(rect)) {
        backend.PaintBands(client, rect);
        result = 1;
    }
    switch (state) {
        case PlayState::kStopped:
            backend.ShowFirstFrame();
            return result;
        case PlayState::kPlaying:
        case PlayState::kPaused:
            backend.RepaintVideo();
            return result;
        default:
            backend.SetAudibleVolume(AudibleVolume(engine.volume, engine.EngineSpeedIndex));
            return 1;
    }
}

// The zoomed rectangle a DirectShow renderer is given.
bool DirectShowRect(PlayerEngine& engine, PlaybackBackend& backend, bool fit, ZoomRect& rect) {
    ZoomRect client;
    if (!backend.ReadClientRect(client) || !ZoomedRect(engine, client, rect)) return false;
    if (fit && !backend.HasWindowlessRenderer()) PlayerEngine::FitVideoRect(&engine, &rect);
    return true;
}

int32_t ZoomedPlacement(PlayerEngine& engine, bool repaint) {
    PlaybackBackend* backend = engine.EnginePlaybackBackend.get();
    if (backend == nullptr) return 0;
    if (backend->IsMediaFoundation()) {
        ZoomRect client;
        ZoomRect rect;
        if (!backend->ReadClientRect(client) || !ZoomedRect(engine, client, rect)) return 0;
        MediaFoundationPlacement(engine, *backend, engine.keepAspect == 1);
        return 1;
    }
    ZoomRect rect;
    if (!DirectShowRect(engine, *backend, engine.keepAspect == 1, rect)) return 0;
    if (!backend->SetVideoDestination(rect)) return 0;
    backend->RefreshAfterPlacement(engine.EnginePlayState, repaint);
    return 1;
}

}  // namespace

int32_t PlayerEngine::SetVideoZoom(PlayerEngine* engine, int32_t centreX, int32_t centreY, int32_t panX, int32_t panY,
                                   float scale, int32_t repaint) {
    if (PlayerNotReady(*engine)) return 0;
    EngineLockGuard hold(engine->fileLock);
    engine->zoomCentreX = centreX;
    engine->zoomCentreY = centreY;
    engine->zoomPanX = panX;
    engine->zoomPanY = panY;
    engine->zoomScale = scale;
    return ZoomedPlacement(*engine, repaint != 0);
}

int32_t PlayerEngine::RedrawZoom(PlayerEngine* engine) {
    if (PlayerNotReady(*engine)) return 0;
    EngineLockGuard hold(engine->fileLock);
    return ZoomedPlacement(*engine, true);
}

int32_t PlayerEngine::SetKeepAspect(PlayerEngine* engine, int32_t keep) {
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    if (backend == nullptr) return 0;
    bool placed = false;
    if (backend->IsMediaFoundation()) {
        placed = MediaFoundationPlacement(*engine, *backend, keep == 1) != 0;
    } else if (backend->HasWindowlessRenderer()) {
        placed = backend->SetLetterBox(keep == 1);
    } else {
        ZoomRect rect;
        placed = DirectShowRect(*engine, *backend, keep == 1, rect) && backend->SetVideoDestination(rect);
    }
    if (!placed) return 0;
    engine->keepAspect = static_cast<uint32_t>(keep);
    return 1;
}

int32_t PlayerEngine::SetDisplayMode(PlayerEngine* engine, uint32_t mode) {
    if (PlayerNotReady(*engine)) return 0;
    engine->displayMode = mode;
    PlaybackBackend* backend = engine->EnginePlaybackBackend.get();
    if (backend == nullptr) return 0;
    if (backend->IsMediaFoundation()) return backend->ReapplyDestination(mode != 0) ? 1 : 0;
    ZoomRect rect;
    return DirectShowRect(*engine, *backend, engine->keepAspect == 1, rect) && backend->SetVideoDestination(rect) ? 1
                                                                                                                  : 0;
}
