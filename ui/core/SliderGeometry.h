#pragma once

// The arithmetic of the skinned slider, apart from any window: where the
// channels and the thumb go for a position, and which position a pointer x
// stands for. Two different steps are at work: the thumb travels over the
// client width less the thumb, while the pointer maps over the whole width.
struct SliderRange {
    int minimum = 0;
    int maximum = 0;
    // maximum - minimum + 1, the number of positions; not positive for an
    // empty or inverted range.
    long long Span() const { return static_cast<long long>(maximum) - minimum + 1; }
};

// Pixels on each side of the slider (and of the thumb) within which a press
// still counts (and still counts as on the thumb).
constexpr int kSliderPressMargin = 10;

// Source and target widths of the two channel blits for a position.
struct SliderChannels {
    int leftSourceWidth = 0;   // columns of the left-channel image
    int leftTargetWidth = 0;   // drawn at x = 0
    int rightSourceWidth = 0;  // columns of the right-channel image
    int rightTargetX = 0;
    int rightTargetWidth = 0;
};

// position / span as a float, 0 for an empty range. A position outside the
// range is drawn at the nearer end.
float SliderFraction(const SliderRange& range, int position);

SliderChannels SliderChannelSpans(const SliderRange& range, int position, int clientWidth, int leftImageWidth,
                                  int rightImageWidth);

// Left edge of the thumb as drawn: position x (clientWidth - thumbWidth) / span.
int SliderThumbLeft(const SliderRange& range, int position, int clientWidth, int thumbWidth);

// The position a pointer x stands for, over the whole window width, clamped
// to the range; an empty range or a window without width keeps current.
int SliderPosFromX(const SliderRange& range, int x, int windowWidth, int current);

// Whether a press at x lies within the band that the slider reacts to.
bool SliderInPressBand(int x, int clientLeft, int clientRight);

// Whether a press at x lies 10 or more pixels beside the thumb as drawn.
bool SliderPressIsOffThumb(int x, int thumbLeft, int thumbWidth);
