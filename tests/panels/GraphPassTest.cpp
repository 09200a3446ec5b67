#include "panels/core/GraphPass.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "support/PanelRecords.h"

namespace {

using testing_support::EventRecord;
using testing_support::OneRecordPerFrame;

struct Segment {
    int channel;
    CurvePoint from;
    CurvePoint to;
};

// Keeps what a pass draws.
class RecordingSink : public GraphSink {
public:
    void Segment(int channel, CurvePoint from, CurvePoint to) override { segments.push_back({channel, from, to}); }
    void Shade(int x, int width) override { shades.push_back({x, width}); }

    std::vector<::Segment> segments;
    std::vector<std::pair<int, int>> shades;
};

constexpr int kMargin = 50;
constexpr int kHalf = 93;

TEST(GraphFrameWindow, ShortClipsSpreadAndLongClipsSlide) {
    const FrameWindow spread = MakeFrameWindow(PixelsPerFrame(656, kMargin, 100), 60);
    EXPECT_DOUBLE_EQ(spread.step, 6.05);
    EXPECT_DOUBLE_EQ(spread.start, 0.0);
    const double ppf = PixelsPerFrame(656, kMargin, 2000);
    const FrameWindow slide = MakeFrameWindow(ppf, 1000);
    EXPECT_DOUBLE_EQ(slide.step, 1.0);
    EXPECT_DOUBLE_EQ(slide.start, (1.0 - ppf) * 1000);
    EXPECT_EQ(PixelsPerFrame(656, kMargin, 0), 0.0);
}

TEST(GraphCurve, ValuesOutOfRangeArePinnedToTheLimit) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const std::pair<double, int> cases[] = {{2.5, 90},   {-3.0, -90}, {1.0e300, 90}, {inf, 90},
                                            {-inf, -90}, {nan, 90},   {-nan, -90},   {-1.5, -67}};
    for (const auto& [g, y] : cases) EXPECT_EQ(CurveY(45, g), y) << g;
}

TEST(GraphCurve, FlatRunsDrawEverySeventhSampleAndCloseWhenTheyEnd) {
    RecordingSink sink;
    CurveStepper curve(0, kHalf, kMargin, 600);
    curve.Prime(10);
    for (int x = 1; x <= 20; ++x) curve.Step(sink, x, 10, false);
    curve.Step(sink, 21, 30, false);
    curve.Step(sink, 22, 500, true);
    ASSERT_EQ(sink.segments.size(), 5u);
    const int xs[5][2] = {{0, 7}, {7, 14}, {14, 20}, {20, 21}, {21, 600}};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(sink.segments[i].from.x, kMargin + xs[i][0]) << i;
        EXPECT_EQ(sink.segments[i].to.x, kMargin + xs[i][1]) << i;
    }
    EXPECT_EQ(sink.segments[3].to.y, kHalf - 30);
    EXPECT_EQ(sink.segments[4].to.y, 0);  // 500 clamped to the half height
}

// Ten frames, frame 5's index entry pointing nowhere: the pass stops there.
TEST(GraphPass, StopsAtAFrameWithoutRecord) {
    std::vector<GSensorRecord> frames(10);
    frames[2] = EventRecord(6);
    frames[4] = EventRecord(-1, 0, 8);
    frames[7] = EventRecord(5);
    for (size_t i = 0; i < frames.size(); ++i) frames[i].x = 0.1 * static_cast<double>(i);
    auto records = OneRecordPerFrame(frames);
    records->frameIndex[5] = nullptr;

    RecordingSink sink;
    GraphMarkers markers;
    const GraphChannels channels;
    const GraphInputs inputs{records.get(), 3, &channels, 0};
    RunGraphPass(inputs, {656, 186, kMargin, 186, 1}, sink, markers);

    // 60.5 pixels a frame.
    ASSERT_EQ(markers[4].points.size(), 1u);
    EXPECT_EQ(markers[4].points[0].x, kMargin + 121);
    ASSERT_EQ(markers[6].points.size(), 1u);
    EXPECT_EQ(markers[6].points[0].colour, 8);
    EXPECT_TRUE(markers[3].points.empty());  // frame 7 lies past the gap
    // The detection frame shades its own column and the ones before it.
    EXPECT_EQ(sink.shades.size(), 61u);
    for (const Segment& s : sink.segments) EXPECT_LE(s.to.x, kMargin + 605);
}

TEST(GraphBackground, VariantFollowsTheLargestValue) {
    const std::pair<double, int> cases[] = {{0.49, 0}, {0.5, 1}, {1.49, 2}, {1.5, 3}};
    for (const auto& [g, variant] : cases) EXPECT_EQ(BackgroundVariantFor(g), variant) << g;
}

}  // namespace
