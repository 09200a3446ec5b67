#pragma once

// One axis curve of the G-sensor graph, drawn frame by frame. Flat stretches
// cost one segment every seventh frame instead of one per frame: a run of
// equal samples is bridged when it ends.

// The graph shows -2 g to +2 g; anything beyond is pinned to the nearer
// limit. Values read from file text may be infinite or not a number: they
// are out of range too, and never reach the pixel arithmetic.
constexpr double kGraphLimitG = 2.0;
double LimitToGraph(double g);

// The curve's y (pixels above the middle) for a value at a scale.
int CurveY(int pixelsPerG, double g);

struct CurvePoint {
    int x = 0;
    int y = 0;
};

// Receives the curve segments in the graph's client coordinates.
class CurveSink {
public:
    virtual ~CurveSink() = default;
    virtual void Segment(int channel, CurvePoint from, CurvePoint to) = 0;
};

class CurveStepper {
public:
    static constexpr int kFlatRun = 7;

    // `half` is the graph's half height, `width` the right end of the
    // curves (from the left margin).
    CurveStepper(int channel, int half, int leftMargin, int width);

    // Starts the curve at x 0 with the first sample.
    void Prime(int y);
    // Adds the sample at x; `force` ends the curve at the right end.
    void Step(CurveSink& sink, int x, int y, bool force);

private:
    // Draws from the anchor to the point (in curve coordinates, y up) and
    // makes the point, with y clamped to the graph, the new anchor.
    void DrawTo(CurveSink& sink, CurvePoint to);
    int Clamp(int y) const;

    int channel_;
    int half_;
    int leftMargin_;
    int width_;
    CurvePoint anchor_;
    CurvePoint last_;
    int run_ = 0;
};
