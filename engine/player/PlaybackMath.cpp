#include "PlaybackMath.h"

#include <cmath>

namespace {

constexpr uint32_t kVolumeMask = 0xFFFF;
constexpr float kFullVolume = 65535.0f;
constexpr double kSilence = -10000.0;
constexpr float kThinningAbove = 2.0f;
constexpr int32_t kNormalSpeed = 1;
constexpr int32_t kHalfSpeedIndex = -2;

// 64-bit truncation that stays defined for any double.
int64_t TruncateToInt64(double value) {
    if (!(std::fabs(value) < 9.2e18)) return 0;
    return static_cast<int64_t>(value);
}

}  // namespace

int64_t PositionOfFrame(int64_t frame, float frameDurationMs) {
    return TruncateToInt64(static_cast<double>(frameDurationMs) * static_cast<double>(frame) * kUnitsPerMillisecond);
}

int64_t FrameAtPosition(int64_t position, float frameDurationMs) {
    const double unitsPerFrame = static_cast<double>(frameDurationMs) * kUnitsPerMillisecond;
    if (!(unitsPerFrame > 0.0)) return 0;
    return TruncateToInt64(static_cast<double>(position) / unitsPerFrame);
}

SpeedStep ResolveSpeed(int32_t requested, int32_t current, bool reversePlayable) {
    switch (requested) {
        case -4: return {requested, reversePlayable ? -4.0f : 0.25f};
        case -2: return {requested, reversePlayable ? -2.0f : 0.5f};
        case 2: return {requested, 2.0f};
        case 4: return {requested, 4.0f};
        case -1:
            if (reversePlayable) return {requested, -1.0f};
            if (current == kHalfSpeedIndex) return {kNormalSpeed, 1.0f};
            if (current == kNormalSpeed) return {kHalfSpeedIndex, 0.5f};
            return {requested, 1.0f};
        default: return {requested, 1.0f};
    }
}

bool ThinsAtRate(float rate) { return rate > kThinningAbove; }

uint32_t AudibleVolume(uint32_t volume, int32_t speedIndex) {
    return speedIndex == kNormalSpeed ? (volume & kVolumeMask) : 0;
}

float VolumeLevel(uint32_t volume) { return static_cast<float>(volume & kVolumeMask) / kFullVolume; }

int32_t VolumeAttenuation(uint32_t volume) {
    const double share = static_cast<double>(volume & kVolumeMask) / kFullVolume;
    return static_cast<int32_t>((1.0 - share) * kSilence);
}

bool FitVideoRect(ZoomRect& rect, int32_t clientWidth, int32_t clientHeight, int32_t videoWidth, int32_t videoHeight) {
    if (clientWidth <= 0 || clientHeight <= 0 || videoWidth <= 0 || videoHeight <= 0) return false;
    const double aspect = static_cast<double>(videoWidth) / videoHeight;
    const double clientAspect = static_cast<double>(clientWidth) / clientHeight;
    const int64_t width = int64_t{rect.right} - rect.left;
    const int64_t height = int64_t{rect.bottom} - rect.top;
    int64_t newWidth = width;
    int64_t newHeight = height;
    if (clientAspect > aspect) {
        newWidth = static_cast<int64_t>(static_cast<double>(height) * aspect);
    } else {
        newHeight = static_cast<int64_t>(static_cast<double>(width) / aspect);
    }
    // Integer halving as the placement has always done it, two pixels of
    // slack at the right and bottom so no video line is cut.
    const int64_t sumX = int64_t{rect.left} + rect.right;
    const int64_t sumY = int64_t{rect.top} + rect.bottom;
    rect.left = static_cast<int32_t>((sumX - newWidth) / 2);
    rect.top = static_cast<int32_t>((sumY - newHeight) / 2);
    rect.right = static_cast<int32_t>((sumX + newWidth) / 2 + 2);
    rect.bottom = static_cast<int32_t>((sumY + newHeight) / 2 + 2);
    return true;
}

std::array<ZoomRect, 4> BandsAround(const ZoomRect& client, const ZoomRect& video) {
    return {ZoomRect{client.left, client.top, client.right, video.top},
            ZoomRect{client.left, video.bottom, client.right, client.bottom},
            ZoomRect{client.left, video.top, video.left, video.bottom},
            ZoomRect{video.right, video.top, client.right, video.bottom}};
}

bool ScaleOverlay(int32_t clientWidth, int32_t clientHeight, int32_t videoWidth, int32_t videoHeight, bool keepAspect,
                  OverlaySize& size) {
    if (clientWidth <= 0 || clientHeight <= 0 || videoWidth <= 0 || videoHeight <= 0) return false;
    float horizontal = static_cast<float>(clientWidth) / static_cast<float>(videoWidth);
    float vertical = static_cast<float>(clientHeight) / static_cast<float>(videoHeight);
    if (!keepAspect) {
        // A stretched picture: the overlay keeps its own proportions.
        const bool taller = static_cast<float>(clientHeight) / clientWidth > static_cast<float>(videoHeight) / videoWidth;
        horizontal = vertical = taller ? horizontal : vertical;
    }
    size.width = static_cast<int32_t>(horizontal * kOverlayWidth);
    size.height = static_cast<int32_t>(vertical * kOverlayHeight);
    return true;
}

OverlayPlace OverlayDestination(const OverlaySize& size, int32_t clientWidth, int32_t clientHeight) {
    return {1.0f - static_cast<float>(size.width) / static_cast<float>(clientWidth),
            1.0f - static_cast<float>(size.height) / static_cast<float>(clientHeight), 1.0f, 1.0f};
}
