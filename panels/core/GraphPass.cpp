#include "panels/core/GraphPass.h"

#include <algorithm>
#include <cmath>

#include "panels/core/EventMarkers.h"

namespace {

constexpr int kAxisChannels = 3;
constexpr int kMaxVariant = 3;
constexpr int kScaleMargin = 6;  // pixels kept free above and below the full scale

double AxisValue(const GSensorRecord& record, int channel) {
    switch (channel) {
    case GraphChannelId::kAxisX:
        return record.x;
    case GraphChannelId::kAxisY:
        return record.y;
    default:
        return record.z;
    }
}

class Pass {
public:
    Pass(const GraphInputs& in, const GraphGeometry& g, GraphSink& sink, GraphMarkers& markers)
        : in_(in), channels_(*in.channels), g_(g), sink_(sink), markers_(markers) {}

    void Run();

private:
    bool Shown(int channel) const { return channels_[channel].shown != 0; }
    int BandWidth() const { return static_cast<int>(window_.step) + 1; }
    void Prime(const GSensorRecord& record);
    void StepCurves(const GSensorRecord& record, int x, bool force);
    void ShadeBetween(int64_t frame, int fromX, int toX);
    void Collect(int64_t frame, int x);
    // False when the channel's selector matched the frame, which ends the
    // search for the frame's marker.
    bool Evaluate(int64_t frame, int channel, int x);
    void FinishAfter(int64_t lastFrame, int lastX);

    const GraphInputs& in_;
    const GraphChannels& channels_;
    const GraphGeometry& g_;
    GraphSink& sink_;
    GraphMarkers& markers_;
    FrameWindow window_;
    int pixelsPerG_ = 0;
    std::vector<CurveStepper> curves_;
};

void Pass::Run() {
    const ClipRecords* records = in_.records;
    if (records == nullptr || records->gsensor.empty() || records->frameIndex.empty() || in_.currentFrame < 0 ||
        static_cast<uint64_t>(in_.currentFrame) >= records->frameIndex.size()) {
        return;
    }
    const int64_t frames = static_cast<int64_t>(records->frameIndex.size());
    const double ppf = PixelsPerFrame(g_.clientWidth, g_.leftMargin, frames);
    window_ = MakeFrameWindow(ppf, in_.currentFrame);
    pixelsPerG_ = PixelsPerG(g_);
    const int width = g_.clientWidth - g_.leftMargin - 1;
    for (int c = 0; c < kAxisChannels; ++c) {
        curves_.emplace_back(c, g_.backgroundHeight / 2, g_.leftMargin, width);
    }
    const GSensorRecord* first = FrameRecord(records, static_cast<int64_t>(window_.start));
    if (first == nullptr) {
        return;
    }
    Prime(*first);
    const GSensorRecord* last = first;
    int64_t lastFrame = -1;
    int lastX = 0;
    for (int k = 0; k < width / window_.step; ++k) {
        const int64_t frame = static_cast<int64_t>(static_cast<uint64_t>(k + window_.start));
        const GSensorRecord* record = FrameRecord(records, frame);
        if (record == nullptr) {
            break;
        }
        const int x = static_cast<int>(k * window_.step);
        if (k > 0 && x - lastX > 1) {
            ShadeBetween(frame, g_.leftMargin + lastX + 1, g_.leftMargin + x - 1);
        }
        StepCurves(*record, x, false);
        Collect(frame, g_.leftMargin + x);
        last = record;
        lastFrame = frame;
        lastX = x;
    }
    StepCurves(*last, lastX, true);
    if (lastFrame >= 0) {
        FinishAfter(lastFrame, lastX);
    }
}

void Pass::Prime(const GSensorRecord& record) {
    for (int c = 0; c < kAxisChannels; ++c) {
        curves_[c].Prime(CurveY(pixelsPerG_, AxisValue(record, c)));
    }
}

void Pass::StepCurves(const GSensorRecord& record, int x, bool force) {
    for (int c = 0; c < kAxisChannels; ++c) {
        if (Shown(c)) {
            curves_[c].Step(sink_, x, CurveY(pixelsPerG_, AxisValue(record, c)), force);
        }
    }
}

// Columns between two frames spread apart share the detection band of the
// frame on their right.
void Pass::ShadeBetween(int64_t frame, int fromX, int toX) {
    if (!Shown(GraphChannelId::kDetection)) {
        return;
    }
    const GSensorRecord* record = FrameRecord(in_.records, frame);
    if (record == nullptr ||
        SelectMarkerColour(GraphChannelId::kDetection, *record, in_.eventClip) != kDetectionColour) {
        return;
    }
    for (int x = fromX; x <= toX; ++x) {
        sink_.Shade(x, BandWidth());
    }
}

// At most one marker per frame besides the detection channel's: the first
// channel that matches the frame decides.
void Pass::Collect(int64_t frame, int x) {
    if (Shown(GraphChannelId::kDetection)) {
        Evaluate(frame, GraphChannelId::kDetection, x);
    }
    for (int c = 0; c < kGraphChannelCount; ++c) {
        if (c == GraphChannelId::kDetection || !Shown(c)) {
            continue;
        }
        if (!Evaluate(frame, c, x)) {
            return;
        }
    }
}

bool Pass::Evaluate(int64_t frame, int channel, int x) {
    int colour = kNoMarker;
    const int onset = IsMarkerOnset(in_.records, frame, channel, in_.eventClip, colour);
    if (colour < 0) {
        return true;
    }
    const int flagChannel = ColourFlagChannel(colour);
    if (flagChannel >= 0 && !Shown(flagChannel)) {
        return false;
    }
    if (onset) {
        markers_[channel].points.push_back({x, colour});
    }
    if (colour == kDetectionColour) {
        sink_.Shade(x, BandWidth());
    }
    return false;
}

// The frame after the last one drawn gets its column too, so an event that
// starts just there still shows at the edge of what was drawn.
void Pass::FinishAfter(int64_t lastFrame, int lastX) {
    const int64_t next = lastFrame + 1;
    if (window_.step <= 1.0) {
        Collect(next, g_.leftMargin + lastX + 1);
        return;
    }
    const int stepPixels = static_cast<int>(window_.step);
    ShadeBetween(next, g_.leftMargin + lastX + 1, g_.leftMargin + lastX + 1 + stepPixels);
    Collect(next, g_.leftMargin + lastX + 2 + stepPixels);
}

}  // namespace

double PixelsPerFrame(int clientWidth, int leftMargin, int64_t frames) {
    if (clientWidth == 0 || frames <= 0) {
        return 0.0;
    }
    return static_cast<double>(clientWidth - leftMargin - 1) / static_cast<double>(frames);
}

FrameWindow MakeFrameWindow(double pixelsPerFrame, int64_t currentFrame) {
    FrameWindow window;
    window.step = std::max(pixelsPerFrame, 1.0);
    window.start = (1.0 - pixelsPerFrame / window.step) * static_cast<double>(currentFrame);
    return window;
}

int PixelsPerG(const GraphGeometry& geometry) {
    const int variant = std::clamp(geometry.variant, 0, kMaxVariant);
    return (geometry.backgroundHeight - kScaleMargin) / (variant + 1);
}

void RunGraphPass(const GraphInputs& inputs, const GraphGeometry& geometry, GraphSink& sink, GraphMarkers& markers) {
    for (SPrepos& channel : markers) {
        channel.points.clear();
    }
    if (inputs.channels == nullptr) {
        return;
    }
    Pass(inputs, geometry, sink, markers).Run();
}

int BackgroundVariantFor(double largestAbsG) {
    constexpr double kSteps[] = {0.5, 1.0, 1.5};
    int variant = 0;
    for (double step : kSteps) {
        if (largestAbsG >= step) {
            ++variant;
        }
    }
    return variant;
}
