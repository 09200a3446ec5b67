#include "PresenterArithmetic.h"

#include <cfloat>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <numeric>

namespace {

constexpr Ratio kDefaultFrameRate{30, 1};
constexpr uint64_t kGrabBytesPerPixel = 8;
// A grab buffer larger than this is no video frame.
constexpr uint64_t kLargestGrab = std::numeric_limits<uint32_t>::max();

}  // namespace

Ratio ReduceRatio(uint64_t x, uint64_t y) {
    const uint64_t divisor = std::gcd(x, y);
    if (divisor == 0) return {};
    return {static_cast<uint32_t>(x / divisor), static_cast<uint32_t>(y / divisor)};
}

bool StretchPixelAspect(uint32_t destinationWidth, uint32_t destinationHeight, uint32_t videoWidth,
                        uint32_t videoHeight, Ratio* aspect) {
    if (destinationWidth == 0 || destinationHeight == 0 || videoWidth == 0 || videoHeight == 0) return false;
    *aspect = ReduceRatio(uint64_t{destinationHeight} * videoWidth, uint64_t{destinationWidth} * videoHeight);
    return true;
}

Ratio FrameRateOrDefault(uint32_t numerator, uint32_t denominator) {
    if (numerator == 0 || denominator == 0) return kDefaultFrameRate;
    return {numerator, denominator};
}

int64_t QuarterFrame(int64_t frameDuration) { return frameDuration / 4; }

float MaximumRate(bool thinning, Ratio frameRate, uint32_t refreshRateHz) {
    if (thinning || frameRate.x == 0 || frameRate.y == 0 || refreshRateHz == 0) return FLT_MAX;
    // Refresh over frame rate, rounded to the nearest whole number.
    const uint64_t product = uint64_t{refreshRateHz} * frameRate.y;
    return static_cast<float>((product + frameRate.x / 2) / frameRate.x);
}

RateAnswer CheckRate(float rate, float maximum) {
    if (std::fabs(rate) <= maximum) return {S_OK, rate};
    return {MF_E_UNSUPPORTED_RATE, rate < 0.0f ? -maximum : maximum};
}

bool IsValidSourceRect(const NormalizedRect& r) {
    return r.left <= r.right && r.top <= r.bottom && r.left >= 0.0f && r.top >= 0.0f && r.right <= 1.0f &&
           r.bottom <= 1.0f;
}

bool IsValidDestinationRect(const PixelRect& r) { return r.left <= r.right && r.top <= r.bottom; }

bool IsEmptyRect(const PixelRect& r) { return r.right <= r.left || r.bottom <= r.top; }

uint64_t GrabAllocationBytes(uint32_t width, uint32_t height) {
    const uint64_t bytes = uint64_t{width} * height * kGrabBytesPerPixel;
    return bytes <= kLargestGrab ? bytes : 0;
}
