#include "panels/core/ObdQuantities.h"

#include <gtest/gtest.h>

#include "panels/core/GaugeNeedle.h"
#include "panels/core/NeedleSprite.h"

namespace {

struct ConversionCase {
    int quantity;
    uint16_t word;
    int value;  // as converted
    int shown;  // as clamped
};

TEST(ObdQuantities, WordsConvertAndClamp) {
    const ConversionCase cases[] = {
        {kObdThrottle, 0x2020, 0, 0},           {kObdThrottle, 2000, 200, 100},     {kObdEngineSpeed, 65535, 655, 100},
        {kObdManifoldPressure, 0x2020, 90, 90}, {kObdManifoldPressure, 0, -11, 0},  {kObdManifoldPressure, 121, 110, 110},
        {kObdCoolantTemperature, 20, -20, 0},   {kObdSpeed, 0x2020, 0, 0},          {kObdSpeed, 350, 350, 300},
    };
    for (const ConversionCase& c : cases) {
        int value = ObdValue(c.quantity, c.word);
        EXPECT_EQ(value, c.value) << c.quantity << " " << c.word;
        ClampQuantityValue(value, c.quantity);
        EXPECT_EQ(value, c.shown) << c.quantity << " " << c.word;
    }
}

std::vector<int> Sweep(int quantity, int from, int to) {
    std::vector<int> values;
    for (int v = from; v != to && values.size() < 500;) values.push_back(v = NextNeedleValue(quantity, v, to));
    return values;
}

TEST(ObdQuantities, NeedlesStepAndLandOnTheTarget) {
    EXPECT_EQ(Sweep(kObdSpeed, 0, 19), (std::vector<int>{8, 16, 18, 19}));
    EXPECT_EQ(Sweep(kObdSpeed, 19, 0), (std::vector<int>{11, 3, 1, 0}));
    EXPECT_EQ(Sweep(kObdManifoldPressure, 90, 103), (std::vector<int>{96, 102, 103}));
    EXPECT_EQ(Sweep(kObdManifoldPressure, 103, 90), (std::vector<int>{97, 91, 90}));
    EXPECT_EQ(Sweep(kObdCoolantTemperature, 5, 0), (std::vector<int>{3, 1, 0}));
}

TEST(ObdQuantities, AngleTablesPassUpwardsAtTheMiddleAndStayInRange) {
    const std::pair<int, int> middles[] = {{kObdThrottle, 50}, {kObdEngineSpeed, 50}, {kObdManifoldPressure, 110},
                                           {kObdCoolantTemperature, 50}, {kObdSpeed, 150}};
    for (const auto& [quantity, middle] : middles) {
        EXPECT_DOUBLE_EQ(NeedleAngle(quantity, middle), 0.0) << quantity;
        double previous = NeedleAngle(quantity, 0) - 360.0;
        for (int v = 1; v <= ObdRangeMaximum(quantity); ++v) {
            const double angle = NeedleAngle(quantity, v);
            const double unwrapped = angle > 180.0 ? angle - 360.0 : angle;
            EXPECT_GT(unwrapped, previous) << quantity << " at " << v;
            previous = unwrapped;
        }
        // Out-of-range values read the table's ends, never past them.
        EXPECT_EQ(NeedleAngle(quantity, -70000), NeedleAngle(quantity, 0));
        EXPECT_EQ(NeedleAngle(quantity, 70000), NeedleAngle(quantity, ObdRangeMaximum(quantity)));
    }
    EXPECT_DOUBLE_EQ(NeedleAngle(kObdThrottle, 25), 311.5);
    EXPECT_DOUBLE_EQ(NeedleAngle(kObdManifoldPressure, 100), 350.0);
    EXPECT_DOUBLE_EQ(NeedleAngle(kObdSpeed, 300), 99.0);
}

TEST(ObdQuantities, NeedlesTurnAboutThePivotThroughTheirMask) {
    const auto right = NeedleCorners(210, 8, 88, 90.0);  // pointing right: the tip's corners at x 193
    EXPECT_EQ(right[0].x, 193);
    EXPECT_EQ(right[0].y, 104);
    EXPECT_EQ(right[2].x, 105);
    // A 2 x 3 image a quarter turn clockwise about its top-left at (10, 10).
    const NeedleImage image{2, 3, {1, 2, 3, 4, 5, 6}, {1, 1, 1, 1, 1, 0}};
    const NeedleSprite turned = TurnNeedle(image, {{{10, 10}, {10, 12}, {7, 10}}});
    EXPECT_EQ(turned.left, 7);
    ASSERT_EQ(turned.width, 4);
    EXPECT_EQ(turned.pixels[2], 0xFF000001u);            // the top-left pixel
    EXPECT_EQ(turned.pixels[0], 0xFF000005u);            // the bottom row, left
    EXPECT_EQ(turned.pixels[turned.width + 0], 0u);      // bottom right: not in the mask
}

TEST(GaugeNeedle, SweepsToANewValueThenRests) {
    GaugeNeedle needle;
    needle.Reset(ObdRestValue(kObdManifoldPressure));
    EXPECT_TRUE(needle.Tick(kObdManifoldPressure, 90));  // drawn once at rest
    EXPECT_FALSE(needle.Tick(kObdManifoldPressure, 90));
    for (int step : {96, 102}) {
        EXPECT_TRUE(needle.Tick(kObdManifoldPressure, 102));
        EXPECT_EQ(needle.DrawnValue(), step);
    }
    EXPECT_FALSE(needle.Tick(kObdManifoldPressure, 102));
    EXPECT_EQ(needle.shown, 102);
}

}  // namespace
