#include "ui/core/FontMetrics.h"

#include <gtest/gtest.h>

namespace {

struct DpiCase {
    int dpi;
    int heights[kUiFontCount];  // for 9, 10, 13, 17 and 22 points
};

// The scale is applied unrounded and the size truncated before MulDiv:
// 9 pt at 120 DPI is 9 / 1.25 = 7.2 -> 7 -> MulDiv(7, 120, 72) = 11.67 -> 12.
const DpiCase kDpiCases[] = {
    {96, {-12, -13, -17, -23, -29}},
    {120, {-12, -13, -17, -22, -28}},
    {144, {-12, -12, -16, -22, -28}},
    {192, {-11, -13, -16, -21, -29}},
};

TEST(FontHeight, KeepsThePixelSizeOf96DpiAtOtherScales) {
    for (const DpiCase& c : kDpiCases) {
        for (int i = 0; i < kUiFontCount; ++i) {
            EXPECT_EQ(FontHeightForPoints(kUiFontPoints[i], c.dpi, c.dpi), c.heights[i])
                << kUiFontPoints[i] << " pt at " << c.dpi << " DPI";
        }
    }
}

TEST(FontHeight, TruncatesTheScaledSizeInsteadOfRoundingTheScale) {
    // 13 pt at 120 DPI: 10.4 -> 10; a rounded scale (1) would give 13 -> -22.
    EXPECT_EQ(FontHeightForPoints(13, 120, 120), -17);
    // 17 pt at 144 DPI: 11.33 -> 11 -> 22; a rounded scale (2) would give 8 -> -16.
    EXPECT_EQ(FontHeightForPoints(17, 144, 144), -22);
}

TEST(FontHeight, UsesTheHorizontalDpiForTheScaleAndTheVerticalForPixels) {
    EXPECT_EQ(FontHeightForPoints(9, 96, 144), -18);
    EXPECT_EQ(FontHeightForPoints(9, 144, 96), -8);
}

TEST(FontHeight, AScreenWithoutHorizontalDpiCountsAs96) {
    EXPECT_EQ(FontHeightForPoints(9, 0, 96), -12);
    EXPECT_EQ(FontHeightForPoints(9, -5, 96), -12);
}

TEST(MulDivRounded, RoundsHalvesAwayFromZeroLikeThePlatform) {
    EXPECT_EQ(MulDivRounded(7, 120, 72), 12);
    EXPECT_EQ(MulDivRounded(1, 1, 2), 1);
    EXPECT_EQ(MulDivRounded(-1, 1, 2), -1);
    EXPECT_EQ(MulDivRounded(1, -3, 2), -2);
    EXPECT_EQ(MulDivRounded(5, 5, -2), -13);
    EXPECT_EQ(MulDivRounded(1, 1, 3), 0);
    EXPECT_EQ(MulDivRounded(1, 1, 0), -1);
    EXPECT_EQ(MulDivRounded(0x40000000, 8, 1), -1);
}

}  // namespace
