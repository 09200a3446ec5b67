#include "browser/core/RecorderVersion.h"

#include <gtest/gtest.h>

#include <cstring>

#include "support/MemoryBrowser.h"

namespace {

CsRecord WithDigits(const char* six) {
    CsRecord record{};
    std::memcpy(record.versionBytes, six, 6);
    return record;
}

TEST(RecorderVersion, ReadsThreeTwoDigitNumbers) {
    EXPECT_EQ(browser_testing::A(FormatRecorderVersion(WithDigits("010203"))), "1.2.3");
    EXPECT_EQ(browser_testing::A(FormatRecorderVersion(WithDigits("021031"))), "2.10.31");
}

TEST(RecorderVersion, ReadsEachPairTheWayWtoiDoes) {
    EXPECT_EQ(TwoCharacterNumber('1', 'x'), 1);
    EXPECT_EQ(TwoCharacterNumber('x', '1'), 0);
    EXPECT_EQ(TwoCharacterNumber(' ', '7'), 7);
    EXPECT_EQ(TwoCharacterNumber('-', '4'), -4);
    EXPECT_EQ(TwoCharacterNumber('+', '4'), 4);
    EXPECT_EQ(TwoCharacterNumber(0, '4'), 0);
    EXPECT_EQ(browser_testing::A(FormatRecorderVersion(WithDigits("1 -2AB"))), "1.-2.0");
}

}  // namespace
