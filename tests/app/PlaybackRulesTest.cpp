#include "app/core/PlaybackRules.h"

#include <gtest/gtest.h>

namespace {

TEST(PlaybackRules, TheEndMarginGrowsWithSpeedAndHoldsFromItsFirstFrame) {
    // position, frame count, speed index, near the end
    const struct { int64_t position, count; int32_t speed; bool nearEnd; } cases[] = {
        {280, 300, 1, true}, {279, 300, 1, false}, {260, 300, 2, true}, {259, 300, 2, false},
        {220, 300, 4, true}, {219, 300, 4, false}, {280, 300, -2, true}, {0, 0, 1, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsWithinEndMargin(c.position, c.count, c.speed), c.nearEnd) << c.position << " at " << c.speed;
    }
}

TEST(PlaybackRules, TheTickShowsAPositionOnlyOnceASeekHasReachedIt) {
    EXPECT_EQ(SeekTolerance(100000), 130);
    EXPECT_EQ(SeekTolerance(999), 30);
    // position, pending target, shown; the first frame is never shown by the tick
    const struct { int64_t position, pending; bool shown; } cases[] = {
        {0, -1, false}, {1, -1, true}, {500, 100, false}, {129, 100, true},
        {130, 100, false}, {71, 100, true}, {70, 100, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TickShowsPosition(c.position, c.pending, 999), c.shown) << c.position << " for " << c.pending;
    }
}

TEST(PlaybackRules, ASeekKeepsTheEngineOutOfTheEndMarginAndInsideTheClip) {
    // frame, frame count, margin, engine target, shown frame
    const struct { int64_t frame, count; int margin; int64_t engine, shown; } cases[] = {
        {1000, 1000, 80, 920, 999}, {500, 1000, 20, 500, 500},
        {48, 48, 80, 0, 47},  // a clip shorter than the margin: never before its start
        {-5, 1000, 20, 0, 0}, {0, 0, 20, 0, 0},
    };
    for (const auto& c : cases) {
        const SeekTargets targets = SeekTargetsFor(c.frame, 0, c.count, c.margin);
        EXPECT_EQ(targets.engine, c.engine) << c.frame << " of " << c.count;
        EXPECT_EQ(targets.shown, c.shown) << c.frame << " of " << c.count;
    }
}

TEST(PlaybackRules, ThreeZoomClicksGoToTwoAndThreeTimesAndBackToTheLayoutsCentre) {
    VideoZoomState zoom{1.0f, ZoomCentre(0), {}};
    zoom = ZoomAtPoint(zoom, {100, 50}, 656, 656, 0, 0);
    EXPECT_EQ(zoom.scale, 2.0f);
    EXPECT_EQ(zoom.centre, (LayoutPoint{100, 50}));
    zoom = ZoomAtPoint(zoom, {100, 50}, 656, 656, 0, 0);
    EXPECT_EQ(zoom.scale, 3.0f);
    zoom = ZoomAtPoint(zoom, {100, 50}, 656, 656, 0, 1);
    EXPECT_EQ(zoom.scale, 1.0f);
    EXPECT_EQ(zoom.centre, ZoomCentre(1));
    EXPECT_EQ(zoom.pan, (LayoutPoint{0, 0}));
    EXPECT_EQ(ZoomAtPoint(zoom, {100, 50}, 0, 656, 0, 0).scale, 1.0f);  // a surface of no width
}

}  // namespace
