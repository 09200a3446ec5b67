#include "framework/Format.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

TEST(Format, KeepsThePlatformsWideConventions) {
    EXPECT_EQ(fw::Format(L"%s\\Default_Folder.ini", L"C:\\Program"), L"C:\\Program\\Default_Folder.ini");
    EXPECT_EQ(fw::Format(L"%d %%", 42), L"42 %");
    EXPECT_EQ(fw::Format(L"%I64d MB", 1LL << 40), L"1099511627776 MB");
    EXPECT_EQ(fw::Format(L"%llu", ULLONG_MAX), L"18446744073709551615");
    EXPECT_EQ(fw::Format(L"%.2fG", 1.23), L"1.23G");
    EXPECT_EQ(fw::Format(L"%.0f ", 999.0), L"999 ");
    EXPECT_EQ(fw::Format(L"%f", 35.5), L"35.500000");
    EXPECT_EQ(fw::Format(L""), L"");
}

TEST(Format, GrowsToAnyLength) {
    const std::wstring path(3000, L'x');
    EXPECT_EQ(fw::Format(L"%s\\%s", path.c_str(), L"f.MOV").size(), 3006u);
}

TEST(FormatInto, FillsAFixedBufferAndReportsACut) {
    wchar_t buffer[8];
    EXPECT_TRUE(fw::FormatInto(buffer, L"%d", 1234567));
    EXPECT_STREQ(buffer, L"1234567");
    EXPECT_FALSE(fw::FormatInto(buffer, L"%d", 12345678));
    EXPECT_EQ(std::wstring(buffer).size(), 7u);  // cut, but terminated
    EXPECT_FALSE(fw::FormatInto(buffer, L"%s\\%s", L"C:\\very\\long", L"name.MOV"));
    EXPECT_LT(std::wstring(buffer).size(), 8u);
}

TEST(FormatInto, ATinyBufferStaysTerminated) {
    wchar_t one[1] = {L'x'};
    EXPECT_FALSE(fw::FormatInto(one, L"%d", 5));
    EXPECT_EQ(one[0], L'\0');
    EXPECT_TRUE(fw::FormatInto(one, L""));
}

}  // namespace
