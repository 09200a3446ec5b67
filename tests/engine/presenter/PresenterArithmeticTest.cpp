#include <gtest/gtest.h>

#include <cfloat>

#include "core/PresenterArithmetic.h"

namespace {

TEST(PresenterArithmetic, ReducesSizesAndNeverDividesByZero) {
    EXPECT_EQ(ReduceRatio(1920, 1080), (Ratio{16, 9}));
    EXPECT_EQ(ReduceRatio(0, 0), (Ratio{0, 0}));
    Ratio aspect{7, 7};
    ASSERT_TRUE(StretchPixelAspect(656, 373, 1280, 720, &aspect));
    EXPECT_EQ(aspect, (Ratio{373, 369}));
    EXPECT_FALSE(StretchPixelAspect(0, 0, 1280, 720, &aspect)) << "no destination yet";
    EXPECT_FALSE(StretchPixelAspect(656, 373, 0, 0, &aspect)) << "no video size yet";
    EXPECT_EQ(aspect, (Ratio{373, 369})) << "the previous aspect stays";
}

TEST(PresenterArithmetic, FastestRateIsRefreshOverFrameRate) {
    EXPECT_EQ(MaximumRate(false, {30, 1}, 60), 2.0f);
    EXPECT_EQ(MaximumRate(false, {30000, 1001}, 60), 2.0f);
    EXPECT_EQ(MaximumRate(false, {30, 1}, 0), FLT_MAX) << "unknown refresh rate";
    EXPECT_EQ(MaximumRate(true, {30, 1}, 60), FLT_MAX) << "thinning";

    const RateAnswer refused = CheckRate(-5.0f, 2.0f);
    EXPECT_EQ(refused.result, MF_E_UNSUPPORTED_RATE);
    EXPECT_EQ(refused.nearest, -2.0f);
    const RateAnswer admitted = CheckRate(-2.0f, 2.0f);
    EXPECT_EQ(admitted.result, S_OK);
    EXPECT_EQ(admitted.nearest, -2.0f);
}

TEST(PresenterArithmetic, ChecksDisplayRectangles) {
    EXPECT_TRUE(IsValidSourceRect({0.0f, 0.0f, 1.0f, 1.0f}));
    EXPECT_FALSE(IsValidSourceRect({0.0f, 0.0f, 1.5f, 1.0f}));
    EXPECT_FALSE(IsValidSourceRect({-0.1f, 0.0f, 1.0f, 1.0f}));
    EXPECT_FALSE(IsValidSourceRect({0.6f, 0.0f, 0.5f, 1.0f}));
    EXPECT_TRUE(IsValidDestinationRect({0, 0, 0, 0}));
    EXPECT_FALSE(IsValidDestinationRect({10, 0, 5, 10}));
}

TEST(PresenterArithmetic, GrabAllocationIsCheckedForOverflow) {
    EXPECT_EQ(GrabAllocationBytes(640, 360), 1843200u);
    EXPECT_EQ(GrabAllocationBytes(0, 360), 0u);
    EXPECT_EQ(GrabAllocationBytes(65536, 65536), 0u);
}

}  // namespace
