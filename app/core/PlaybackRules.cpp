#include "app/core/PlaybackRules.h"

#include <algorithm>

namespace {

constexpr int kMarginNormal = 20;
constexpr int kMarginDouble = 40;
constexpr int kMarginQuadruple = 80;
constexpr int64_t kToleranceBase = 30;
constexpr int64_t kToleranceShare = 1000;
constexpr float kZoomStep = 1.0f;
constexpr float kZoomLimit = 3.0f;

}  // namespace

int NearEndMargin(int32_t speedIndex) {
    switch (speedIndex) {
    case 4: return kMarginQuadruple;
    case 2: return kMarginDouble;
    default: return kMarginNormal;
    }
}

bool IsWithinEndMargin(int64_t position, int64_t frameCount, int32_t speedIndex) {
    return frameCount != 0 && position + NearEndMargin(speedIndex) >= frameCount;
}

int64_t SeekTolerance(int64_t frameCount) { return frameCount / kToleranceShare + kToleranceBase; }

bool TickShowsPosition(int64_t position, int64_t pendingTarget, int64_t frameCount) {
    if (position <= 0) {
        return false;
    }
    if (pendingTarget == -1) {
        return true;
    }
    const int64_t tolerance = SeekTolerance(frameCount);
    return position > pendingTarget - tolerance && position < pendingTarget + tolerance;
}

SeekTargets SeekTargetsFor(int64_t frame, int64_t sliderMinimum, int64_t frameCount, int margin) {
    SeekTargets targets;
    // A clip shorter than the margin would send the engine before its start.
    targets.engine = std::clamp<int64_t>(std::min<int64_t>(frame, frameCount - margin), 0,
                                         std::max<int64_t>(frameCount - 1, 0));
    targets.shown = frame >= frameCount ? frameCount - 1 : frame;
    targets.shown = std::max(targets.shown, sliderMinimum);
    return targets;
}

int ResolutionClass(int32_t height, bool highQualityLetter) {
    int resolution = 0;
    switch (height) {
    case 360: resolution = 2; break;
    case 720: resolution = 4; break;
    case 1080: resolution = 6; break;
    default: return 0;
    }
    return highQualityLetter ? resolution - 1 : resolution;
}

VideoZoomState ZoomAtPoint(const VideoZoomState& now, LayoutPoint click, int surfaceWidth, int placedRight,
                           int placedTop, int sizeMode) {
    const float s = now.scale;
    if (s + 1.0f < 1.0f || surfaceWidth == 0) {
        return now;
    }
    const int anchorX = static_cast<int>((static_cast<float>(click.x) * (s - 1.0f) + static_cast<float>(placedRight)) / s);
    const int anchorY = static_cast<int>((static_cast<float>(click.y) * (s - 1.0f) + static_cast<float>(placedTop)) / s);
    VideoZoomState next;
    next.centre = {surfaceWidth + (click.x - anchorX), click.y - anchorY};
    next.pan = {click.x - next.centre.x, click.y - next.centre.y};
    next.scale = s + kZoomStep;
    if (next.scale > kZoomLimit) {
        next.scale = 1.0f;
        next.pan = {};
        next.centre = ZoomCentre(sizeMode);
    }
    return next;
}
