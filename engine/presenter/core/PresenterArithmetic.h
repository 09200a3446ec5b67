#pragma once

#include <cstdint>

#include "PresenterResults.h"

// The presenter's arithmetic on sizes, ratios and rates, apart from the
// platform so that it is checked on every host.

struct Ratio {
    uint32_t x = 0;
    uint32_t y = 0;
    bool operator==(const Ratio& other) const { return x == other.x && y == other.y; }
};

// x:y in lowest terms; 0:0 when both are 0 (nothing to divide by).
Ratio ReduceRatio(uint64_t x, uint64_t y);

// The pixel aspect that aspect-ratio mode 0 asks for: destination height x
// video width : destination width x video height, reduced. False (keep the
// previous aspect) while any of the sizes is still 0.
bool StretchPixelAspect(uint32_t destinationWidth, uint32_t destinationHeight, uint32_t videoWidth,
                        uint32_t videoHeight, Ratio* aspect);

// A media type's frame rate, or 30:1 when it has none or half of one.
Ratio FrameRateOrDefault(uint32_t numerator, uint32_t denominator);

// The scheduler's quarter frame of a frame duration.
int64_t QuarterFrame(int64_t frameDuration);

// The fastest rate the presenter admits: any rate with thinning, else
// refresh rate over frame rate when both are known, else no limit.
float MaximumRate(bool thinning, Ratio frameRate, uint32_t refreshRateHz);

// The answer to "is this rate supported": S_OK with the rate itself, or
// MF_E_UNSUPPORTED_RATE with the maximum in the asked direction.
struct RateAnswer {
    HRESULT result = S_OK;
    float nearest = 0.0f;
};
RateAnswer CheckRate(float rate, float maximum);

// Rectangles as the display control receives them.
struct NormalizedRect {
    float left, top, right, bottom;
};
struct PixelRect {
    int32_t left, top, right, bottom;
};
bool IsValidSourceRect(const NormalizedRect& rect);
bool IsValidDestinationRect(const PixelRect& rect);
bool IsEmptyRect(const PixelRect& rect);

// Bytes to allocate for a grabbed frame (two bytes of room per 32-bit
// pixel written); 0 when the size is 0 or does not fit.
uint64_t GrabAllocationBytes(uint32_t width, uint32_t height);
