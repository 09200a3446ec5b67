#include "ui/core/SliderGeometry.h"

#include <algorithm>

namespace {

int ClampToRange(const SliderRange& range, int position) {
    return std::clamp(position, range.minimum, range.maximum);
}

}  // namespace

float SliderFraction(const SliderRange& range, int position) {
    const long long span = range.Span();
    if (span <= 0) {
        return 0.0f;
    }
    return static_cast<float>(ClampToRange(range, position)) / static_cast<float>(span);
}

SliderChannels SliderChannelSpans(const SliderRange& range, int position, int clientWidth, int leftImageWidth,
                                  int rightImageWidth) {
    const float fraction = SliderFraction(range, position);
    SliderChannels channels;
    channels.leftSourceWidth = static_cast<int>(leftImageWidth * fraction);
    channels.leftTargetWidth = static_cast<int>(clientWidth * fraction);
    channels.rightSourceWidth = static_cast<int>(rightImageWidth * (1.0f - fraction));
    channels.rightTargetX = static_cast<int>(clientWidth * fraction + 1.0f);
    channels.rightTargetWidth = static_cast<int>(clientWidth * (1.0f - fraction) + 1.0f);
    return channels;
}

int SliderThumbLeft(const SliderRange& range, int position, int clientWidth, int thumbWidth) {
    const long long span = range.Span();
    if (span <= 0) {
        return 0;
    }
    const float step = static_cast<float>(clientWidth - thumbWidth) / static_cast<float>(span);
    return static_cast<int>(static_cast<float>(ClampToRange(range, position)) * step);
}

int SliderPosFromX(const SliderRange& range, int x, int windowWidth, int current) {
    const long long span = range.Span();
    if (span <= 0) {
        return current;
    }
    const float step = static_cast<float>(windowWidth) / static_cast<float>(span);
    if (!(step > 0.0f)) {
        return current;
    }
    const float position = static_cast<float>(x) / step;
    // Clamp before converting, so a far-off pointer cannot overflow the int.
    if (position <= static_cast<float>(range.minimum)) {
        return range.minimum;
    }
    if (position >= static_cast<float>(range.maximum)) {
        return range.maximum;
    }
    return ClampToRange(range, static_cast<int>(position));
}

bool SliderInPressBand(int x, int clientLeft, int clientRight) {
    return clientLeft - kSliderPressMargin < x && x < clientRight + kSliderPressMargin;
}

bool SliderPressIsOffThumb(int x, int thumbLeft, int thumbWidth) {
    const int thumbRight = thumbLeft + thumbWidth;
    return x <= thumbLeft - kSliderPressMargin || x >= thumbRight + kSliderPressMargin;
}
