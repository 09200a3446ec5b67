#include "panels/core/InfoText.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

UiString Text(const char* ascii) { return UiString(ascii, ascii + std::char_traits<char>::length(ascii)); }

TEST(InfoText, GValuesAreTruncatedAndOutOfRangeShowsThePlaceholder) {
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<double, const char*> cases[] = {
        {1.239, "1.23G"}, {-0.005, "0.00G"}, {-4.99, "-4.99G"}, {2.0, "2.00G"},
        {-5.0, nullptr},  {-7.0, nullptr},   {inf, nullptr},    {-inf, nullptr},
        {std::numeric_limits<double>::quiet_NaN(), nullptr},     {1.0e35, nullptr},
    };
    for (const auto& [g, text] : cases) {
        const auto shown = GValueText(g);
        if (text == nullptr) {
            EXPECT_FALSE(shown.has_value()) << g;
        } else {
            EXPECT_EQ(shown, Text(text)) << g;
        }
    }
}

TEST(InfoText, SpeedNeedsAFixAndAFiniteNonNegativeValue) {
    EXPECT_EQ(SpeedText(1, 1200.0), Text("999 "));
    EXPECT_EQ(SpeedText(1, 40.4), Text("40 "));
    EXPECT_EQ(SpeedText(1, 0.0), Text("0 "));
    for (double speed : {-1.0, std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN()}) {
        EXPECT_FALSE(SpeedText(1, speed).has_value()) << speed;
    }
    EXPECT_FALSE(SpeedText(0, 40.0).has_value());
}

TEST(InfoText, DateTimeAddsTheFramesAndWrapsLateYears) {
    SystemTime start;
    start.wYear = 2024;
    start.wMonth = 1;
    start.wDay = 2;
    start.wHour = 3;
    start.wMinute = 4;
    start.wSecond = 5;
    // 90 frames of 33.333 ms: three seconds later, within single precision.
    EXPECT_EQ(DateTimeText(start, 90, 33.3334f), Text("2024/01/02 03:04:08"));
    start.wYear = 2052;
    EXPECT_EQ(DateTimeText(start, 0, 33.3f), Text("2017/01/02 03:04:05"));
    start.wYear = 2049;
    EXPECT_EQ(DateTimeText(start, 0, 33.3f), Text("2049/01/02 03:04:05"));
    EXPECT_FALSE(DateTimeText(SystemTime{}, 0, 33.3f).has_value());
    EXPECT_FALSE(DateTimeText(start, -1, 33.3f).has_value());
    EXPECT_FALSE(DateTimeText(start, 10, std::numeric_limits<float>::quiet_NaN()).has_value());
}

}  // namespace
