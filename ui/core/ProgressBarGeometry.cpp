#include "ui/core/ProgressBarGeometry.h"

int ProgressFilledWidth(int position, int minimum, int maximum, int width) {
    if (maximum <= minimum || width <= 0) {
        return 0;
    }
    const float fraction = static_cast<float>(position) / static_cast<float>(static_cast<long long>(maximum) - minimum);
    const float filled = static_cast<float>(width) * fraction;
    if (!(filled > 0.0f)) {
        return 0;
    }
    return filled >= static_cast<float>(width) ? width : static_cast<int>(filled);
}
