#pragma once

#include <cstdint>

struct PlayerEngine;

// A rectangle laid out like the platform's RECT.
struct ZoomRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;
};

// Zooms the video through the engine (PlayerEngine::SetVideoZoom with the
// centre x, y, the pans w, h, the scale and the repaint flag): 0 while the
// engine is not set up, else that call's result.
int32_t ApplyVideoZoom(int32_t flag, int32_t x, int32_t y, int32_t w, int32_t h, float scale);
int32_t ApplyVideoZoom(PlayerEngine& engine, int32_t flag, int32_t x, int32_t y, int32_t w, int32_t h, float scale);

// Grows (scale above 1) or shrinks the rectangle around the point (x, y),
// measured from its left and top, so that the point keeps its proportional
// place. Worked in single precision, each edge's move truncated toward zero.
// 0, rectangle unchanged, for a scale of 0 or NaN, an empty width or height,
// or a result whose left would pass its right.
int32_t ZoomRectAroundPoint(ZoomRect& rect, int32_t x, int32_t y, float scale);
