#include "ui/core/FontMetrics.h"

#include <climits>
#include <cstdint>

int MulDivRounded(int a, int b, int c) {
    if (c == 0) {
        return -1;
    }
    const int64_t product = static_cast<int64_t>(a) * b;
    const int64_t half = (c > 0 ? c : -c) / 2;
    const bool negative = (product < 0) != (c < 0);
    const int64_t magnitude = (product < 0 ? -product : product) + half;
    const int64_t quotient = magnitude / (c > 0 ? c : -static_cast<int64_t>(c));
    const int64_t result = negative ? -quotient : quotient;
    if (result > INT_MAX || result < INT_MIN) {
        return -1;
    }
    return static_cast<int>(result);
}

int FontHeightForPoints(int points, int dpiX, int dpiY) {
    const double scale = (dpiX > 0 ? dpiX : kReferenceDpi) / static_cast<double>(kReferenceDpi);
    const int scaledPoints = static_cast<int>(points / scale);
    return -MulDivRounded(scaledPoints, dpiY, 72);
}
