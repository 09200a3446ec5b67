#pragma once

#include <cstdint>

#include "app/core/MainWindowGeometry.h"

// The arithmetic of following and moving the play position, kept apart
// from the window so it can be read and tested in one place. Positions and
// lengths are frames.

// How close to its end a playing clip must not be touched: commands wait
// until the next clip, so the end is never raced. 80 frames at x4, 40 at
// x2, 20 otherwise.
int NearEndMargin(int32_t speedIndex);

// Whether a position lies within the margin of the clip's end; never for a
// clip of no frames.
bool IsWithinEndMargin(int64_t position, int64_t frameCount, int32_t speedIndex);

// How far the engine's position may lie from a sought frame and still
// count as having reached it: a thousandth of the clip plus 30 frames.
int64_t SeekTolerance(int64_t frameCount);

// Whether the tick shows the record under the position: never at 0; with
// no seek pending (-1) always; otherwise only once the position lies
// strictly within the tolerance of the sought frame.
bool TickShowsPosition(int64_t position, int64_t pendingTarget, int64_t frameCount);

// Where a seek sends the engine and which frame's data is shown. The
// engine keeps out of the end margin; the shown frame is the one asked for,
// within the slider's range.
struct SeekTargets {
    int64_t engine = 0;
    int64_t shown = 0;
};
SeekTargets SeekTargetsFor(int64_t frame, int64_t sliderMinimum, int64_t frameCount, int margin);

// The resolution class of a clip from its video height: 2, 4 or 6 for 360,
// 720 and 1080 lines, one less when the recorder marks the recording 'H';
// 0 for any other height.
int ResolutionClass(int32_t height, bool highQualityLetter);

// One click of the zoom mode at a point of the video surface. The zoom
// grows one step per click, to x3; the click after that returns to x1
// about the layout's centre.
struct VideoZoomState {
    float scale = 1.0f;
    LayoutPoint centre;
    LayoutPoint pan;
};
// surfaceWidth is the video surface's client width; placedRight and
// placedTop the right and top edges of the video as the engine last
// placed it.
VideoZoomState ZoomAtPoint(const VideoZoomState& now, LayoutPoint click, int surfaceWidth, int placedRight,
                           int placedTop, int sizeMode);
