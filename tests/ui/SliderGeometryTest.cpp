#include "ui/core/SliderGeometry.h"

#include <gtest/gtest.h>

namespace {

// 80 positions over a 400-pixel window with an 80-pixel thumb: the pointer
// maps 5 pixels per position, the thumb travels 4 pixels per position.
const SliderRange kEighty{0, 79};
constexpr int kWidth = 400;
constexpr int kThumb = 80;

TEST(SliderGeometry, PointerUsesTheWholeWidthAndThumbTheWidthLessTheThumb) {
    EXPECT_EQ(SliderPosFromX(kEighty, 200, kWidth, -1), 40);
    EXPECT_EQ(SliderThumbLeft(kEighty, 40, kWidth, kThumb), 160);
    EXPECT_EQ(SliderPosFromX(kEighty, 4, kWidth, -1), 0);
    EXPECT_EQ(SliderPosFromX(kEighty, 5, kWidth, -1), 1);
    EXPECT_EQ(SliderThumbLeft(kEighty, 79, kWidth, kThumb), 316);
}

TEST(SliderGeometry, PointerPositionsAreClampedToTheRange) {
    EXPECT_EQ(SliderPosFromX(kEighty, 399, kWidth, -1), 79);
    EXPECT_EQ(SliderPosFromX(kEighty, 900, kWidth, -1), 79);  // dragged beyond the right end
    EXPECT_EQ(SliderPosFromX(kEighty, -5, kWidth, -1), 0);    // pressed left of the slider
    EXPECT_EQ(SliderPosFromX(kEighty, -100000, kWidth, -1), 0);
    EXPECT_EQ(SliderPosFromX({10, 20}, 0, 110, -1), 10);
}

TEST(SliderGeometry, VolumeRangeMapsTheMiddleOfTheWindowToTheMiddleValue) {
    const SliderRange volume{0, 65535};
    EXPECT_EQ(SliderPosFromX(volume, 50, 100, -1), 32768);
    EXPECT_EQ(SliderPosFromX(volume, 100, 100, -1), 65535);
}

TEST(SliderGeometry, SingleValueRangePutsTheThumbAtZeroAndMapsEverythingToIt) {
    const SliderRange single{0, 0};
    EXPECT_EQ(SliderThumbLeft(single, 0, kWidth, kThumb), 0);
    for (int x : {-9, 0, 1, 200, 399, 409}) {
        EXPECT_EQ(SliderPosFromX(single, x, kWidth, 7), 0) << x;
    }
}

TEST(SliderGeometry, EmptyRangeOrNoWidthKeepsThePointerPositionAndNeverDivides) {
    const SliderRange inverted{0, -1};
    EXPECT_EQ(SliderPosFromX(inverted, 200, kWidth, 7), 7);
    EXPECT_EQ(SliderThumbLeft(inverted, 5, kWidth, kThumb), 0);
    EXPECT_EQ(SliderFraction(inverted, 5), 0.0f);
    EXPECT_EQ(SliderPosFromX(kEighty, 200, 0, 7), 7);
    EXPECT_EQ(SliderPosFromX({5, -100}, 200, kWidth, 7), 7);
}

TEST(SliderGeometry, ChannelsSplitAtTheThumbFraction) {
    const SliderRange hundred{0, 99};
    const SliderChannels half = SliderChannelSpans(hundred, 50, 400, 400, 200);
    EXPECT_EQ(half.leftSourceWidth, 200);
    EXPECT_EQ(half.leftTargetWidth, 200);
    EXPECT_EQ(half.rightSourceWidth, 100);
    EXPECT_EQ(half.rightTargetX, 201);
    EXPECT_EQ(half.rightTargetWidth, 201);

    const SliderChannels start = SliderChannelSpans(hundred, 0, 400, 400, 200);
    EXPECT_EQ(start.leftTargetWidth, 0);
    EXPECT_EQ(start.rightSourceWidth, 200);
    EXPECT_EQ(start.rightTargetX, 1);
    EXPECT_EQ(start.rightTargetWidth, 401);
}

TEST(SliderGeometry, PositionsOutsideTheRangeDrawAtTheNearerEnd) {
    const SliderRange hundred{0, 99};
    EXPECT_EQ(SliderFraction(hundred, 500), SliderFraction(hundred, 99));
    EXPECT_EQ(SliderFraction(hundred, -3), 0.0f);
    EXPECT_EQ(SliderThumbLeft(kEighty, 1000, kWidth, kThumb), 316);
    EXPECT_LE(SliderChannelSpans(hundred, 500, 400, 400, 400).leftSourceWidth, 400);
}

TEST(SliderGeometry, PressBandReachesNinePixelsBeyondEachEnd) {
    EXPECT_TRUE(SliderInPressBand(-9, 0, 400));
    EXPECT_FALSE(SliderInPressBand(-10, 0, 400));
    EXPECT_TRUE(SliderInPressBand(409, 0, 400));
    EXPECT_FALSE(SliderInPressBand(410, 0, 400));
}

TEST(SliderGeometry, OffThumbFromTenPixelsBesideTheThumb) {
    // Thumb drawn from 160 to 170.
    EXPECT_FALSE(SliderPressIsOffThumb(151, 160, 10));
    EXPECT_TRUE(SliderPressIsOffThumb(150, 160, 10));
    EXPECT_FALSE(SliderPressIsOffThumb(165, 160, 10));
    EXPECT_FALSE(SliderPressIsOffThumb(179, 160, 10));
    EXPECT_TRUE(SliderPressIsOffThumb(180, 160, 10));
}

}  // namespace
