#include "panels/core/CurveStepper.h"

#include <cmath>

double LimitToGraph(double g) {
    // NaN fails the test too and is pinned by its sign bit like any
    // other value out of range.
    if (!(std::fabs(g) <= kGraphLimitG)) {
        return std::copysign(kGraphLimitG, g);
    }
    return g;
}

int CurveY(int pixelsPerG, double g) { return static_cast<int>(pixelsPerG * LimitToGraph(g)); }

CurveStepper::CurveStepper(int channel, int half, int leftMargin, int width)
    : channel_(channel), half_(half), leftMargin_(leftMargin), width_(width) {}

void CurveStepper::Prime(int y) {
    anchor_ = {0, y};
    last_ = anchor_;
    run_ = 0;
}

void CurveStepper::Step(CurveSink& sink, int x, int y, bool force) {
    ++run_;
    const CurvePoint end{force ? width_ : x, y};
    if (y == anchor_.y) {
        if (run_ % kFlatRun == 0 || force) {
            DrawTo(sink, end);
            last_ = {x, anchor_.y};
            return;
        }
        last_ = {x, y};
        return;
    }
    if (run_ > kFlatRun) {
        DrawTo(sink, last_);
    }
    run_ = 0;
    DrawTo(sink, end);
    last_ = {x, anchor_.y};
}

void CurveStepper::DrawTo(CurveSink& sink, CurvePoint to) {
    const CurvePoint from{anchor_.x, Clamp(anchor_.y)};
    to.y = Clamp(to.y);
    sink.Segment(channel_, {leftMargin_ + from.x, half_ - from.y}, {leftMargin_ + to.x, half_ - to.y});
    anchor_ = to;
}

int CurveStepper::Clamp(int y) const {
    if (y > half_) {
        return half_;
    }
    return y < -half_ ? -half_ : y;
}
