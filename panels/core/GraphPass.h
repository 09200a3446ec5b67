#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "format/DataRecords.h"
#include "panels/core/CurveStepper.h"
#include "panels/core/GraphChannels.h"

// One drawing pass of the G-sensor graph over the shown clip's records:
// the three axis curves, the shading of detection frames and the marker
// points, handed to a sink. The window draws what the sink receives.

// Pixels per frame across the drawing width (client width less the left
// margin and one pixel); 0 without a width or frames.
double PixelsPerFrame(int clientWidth, int leftMargin, int64_t frames);

// Which frames the width shows. A short clip is spread (step = pixels per
// frame, from frame 0); a long one gets one pixel per frame and a window
// that slides so the current frame stays under the play-position line.
struct FrameWindow {
    double step = 1.0;   // pixels from one frame to the next
    double start = 0.0;  // the first frame shown
};
FrameWindow MakeFrameWindow(double pixelsPerFrame, int64_t currentFrame);

struct GraphGeometry {
    int clientWidth = 0;
    int clientHeight = 0;
    int leftMargin = 0;
    int backgroundHeight = 0;  // sets the vertical scale
    int variant = 1;           // background 0 to 3: +-0.5 g to +-2 g full scale
};

// The vertical scale of a background variant.
int PixelsPerG(const GraphGeometry& geometry);

// The band along the graph's foot that marks detection frames.
constexpr int kShadingHeight = 40;

class GraphSink : public CurveSink {
public:
    // A column of the detection band, `width` pixels wide from x.
    virtual void Shade(int x, int width) = 0;
};

// The marker points one channel collected in a pass: their x in the graph
// and their colour.
class SPrepos {
public:
    struct Point {
        int x;
        int colour;
    };
    virtual ~SPrepos() = default;
    std::vector<Point> points;
};

using GraphMarkers = std::array<SPrepos, kGraphChannelCount>;

struct GraphInputs {
    const ClipRecords* records = nullptr;
    int64_t currentFrame = 0;
    const GraphChannels* channels = nullptr;
    int eventClip = 0;
};

// Draws nothing without records, a frame index or a current frame inside
// it; the markers are emptied first either way.
void RunGraphPass(const GraphInputs& inputs, const GraphGeometry& geometry, GraphSink& sink, GraphMarkers& markers);

// The background for a clip's largest absolute G value: below 0.5 g gives
// variant 0, from 0.5 g 1, from 1.0 g 2, from 1.5 g 3.
int BackgroundVariantFor(double largestAbsG);
