#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "panels/core/ObdQuantities.h"

// A gauge's needle turned onto its dial. The needle image is mapped onto
// the parallelogram of its turned corners (top-left, top-right,
// bottom-left); only the pixels its mask sets are drawn. Done here rather
// than by the platform's parallelogram blit, which the test platform
// cannot turn.

// The needle image: width x height pixels 0x00RRGGBB, row by row from the
// top, and one mask flag per pixel (non-zero: part of the needle).
struct NeedleImage {
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
    std::vector<uint8_t> mask;
};

// The turned needle over the smallest rectangle that holds it, as
// premultiplied 0xAARRGGBB pixels: needle pixels opaque, the rest fully
// transparent.
struct NeedleSprite {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uint32_t> pixels;
};

NeedleSprite TurnNeedle(const NeedleImage& image, const std::array<GaugePoint, 3>& corners);
