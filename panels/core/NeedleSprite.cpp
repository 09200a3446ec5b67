#include "panels/core/NeedleSprite.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr uint32_t kOpaque = 0xFF000000u;

}  // namespace

NeedleSprite TurnNeedle(const NeedleImage& image, const std::array<GaugePoint, 3>& corners) {
    NeedleSprite sprite;
    const size_t count = static_cast<size_t>(std::max(image.width, 0)) * static_cast<size_t>(std::max(image.height, 0));
    if (count == 0 || image.pixels.size() < count || image.mask.size() < count) {
        return sprite;
    }
    // The fourth corner closes the parallelogram.
    const GaugePoint p0 = corners[0];
    const double ax = corners[1].x - p0.x, ay = corners[1].y - p0.y;  // along the width
    const double bx = corners[2].x - p0.x, by = corners[2].y - p0.y;  // along the height
    const double det = ax * by - ay * bx;
    if (det == 0.0) {
        return sprite;
    }
    const int xs[4] = {p0.x, corners[1].x, corners[2].x, corners[1].x + corners[2].x - p0.x};
    const int ys[4] = {p0.y, corners[1].y, corners[2].y, corners[1].y + corners[2].y - p0.y};
    sprite.left = *std::min_element(xs, xs + 4);
    sprite.top = *std::min_element(ys, ys + 4);
    sprite.width = *std::max_element(xs, xs + 4) - sprite.left + 1;
    sprite.height = *std::max_element(ys, ys + 4) - sprite.top + 1;
    sprite.pixels.assign(static_cast<size_t>(sprite.width) * sprite.height, 0);
    for (int y = 0; y < sprite.height; ++y) {
        for (int x = 0; x < sprite.width; ++x) {
            // The pixel's centre in the needle's own coordinates.
            const double dx = sprite.left + x + 0.5 - p0.x;
            const double dy = sprite.top + y + 0.5 - p0.y;
            const double u = (dx * by - dy * bx) / det * image.width;
            const double v = (ax * dy - ay * dx) / det * image.height;
            if (u < 0.0 || v < 0.0 || u >= image.width || v >= image.height) {
                continue;
            }
            const size_t at = static_cast<size_t>(v) * image.width + static_cast<size_t>(u);
            if (image.mask[at] != 0) {
                sprite.pixels[static_cast<size_t>(y) * sprite.width + x] = kOpaque | (image.pixels[at] & 0xFFFFFFu);
            }
        }
    }
    return sprite;
}
