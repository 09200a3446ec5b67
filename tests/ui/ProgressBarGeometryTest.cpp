#include "ui/core/ProgressBarGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressFilledWidth, FillsInProportionToTheRange) {
    EXPECT_EQ(ProgressFilledWidth(0, 0, 100, 200), 0);
    EXPECT_EQ(ProgressFilledWidth(25, 0, 100, 200), 50);
    EXPECT_EQ(ProgressFilledWidth(100, 0, 100, 200), 200);
    EXPECT_EQ(ProgressFilledWidth(1, 0, 3, 200), 66);  // truncated
}

TEST(ProgressFilledWidth, EmptyRangeFillsNothing) {
    EXPECT_EQ(ProgressFilledWidth(50, 0, 0, 200), 0);
    EXPECT_EQ(ProgressFilledWidth(50, 10, 5, 200), 0);
    EXPECT_EQ(ProgressFilledWidth(50, 0, 100, 0), 0);
}

TEST(ProgressFilledWidth, StaysWithinTheBar) {
    EXPECT_EQ(ProgressFilledWidth(150, 0, 100, 200), 200);
    EXPECT_EQ(ProgressFilledWidth(-5, 0, 100, 200), 0);
    EXPECT_EQ(ProgressFilledWidth(2147483647, -2147483647, 2147483647, 200), 100);
}

}  // namespace
