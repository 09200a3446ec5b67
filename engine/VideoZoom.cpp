#include "VideoZoom.h"

#include <cmath>
#include <cstdint>
#include <optional>

#include "PlayerEngine.h"

namespace {

constexpr float kEdgeRange = 2147483648.0f;  // 2^31

// The edge moved outward (+1) or inward (-1) by a share of the growth, the
// move truncated toward zero; nothing when it would not fit an edge.
std::optional<int32_t> MovedEdge(int32_t edge, int sign, float share, float growth) {
    const float move = share * growth;
    if (!(std::fabs(move) < kEdgeRange)) return std::nullopt;
    const int64_t moved = int64_t{edge} + sign * int64_t{static_cast<int32_t>(move)};
    if (moved < INT32_MIN || moved > INT32_MAX) return std::nullopt;
    return static_cast<int32_t>(moved);
}

}  // namespace

int32_t ApplyVideoZoom(int32_t flag, int32_t x, int32_t y, int32_t w, int32_t h, float scale) {
    return ApplyVideoZoom(ThePlayerEngine(), flag, x, y, w, h, scale);
}

int32_t ApplyVideoZoom(PlayerEngine& engine, int32_t flag, int32_t x, int32_t y, int32_t w, int32_t h, float scale) {
    if (!engine.PlayerEngineReady) return 0;
    return PlayerEngine::SetVideoZoom(&engine, x, y, w, h, scale, flag);
}

int32_t ZoomRectAroundPoint(ZoomRect& rect, int32_t x, int32_t y, float scale) {
    if (scale == 0.0f || std::isnan(scale)) return 0;
    const float width = static_cast<float>(int64_t{rect.right} - rect.left);
    const float height = static_cast<float>(int64_t{rect.bottom} - rect.top);
    // A minimised window has no size to share out.
    if (width == 0.0f || height == 0.0f) return 0;
    const float growX = width * (scale - 1.0f);
    const float growY = height * (scale - 1.0f);
    const float shareX = static_cast<float>(x) / width;
    const float shareY = static_cast<float>(y) / height;

    const auto left = MovedEdge(rect.left, -1, shareX, growX);
    const auto right = MovedEdge(rect.right, +1, 1.0f - shareX, growX);
    const auto top = MovedEdge(rect.top, -1, shareY, growY);
    const auto bottom = MovedEdge(rect.bottom, +1, 1.0f - shareY, growY);
    if (!left || !right || !top || !bottom || *left > *right) return 0;
    rect = ZoomRect{*left, *top, *right, *bottom};
    return 1;
}
