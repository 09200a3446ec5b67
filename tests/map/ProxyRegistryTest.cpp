#include "map/ProxyRegistry.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr wchar_t kTestKey[] = L"Software\\Ostrilex\\Tests\\ProxyRegistry";

// A key of the test's own under the user's hive, removed afterwards.
class ProxyRegistryTest : public ::testing::Test {
protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr),
                  ERROR_SUCCESS);
    }
    void TearDown() override {
        RegCloseKey(key_);
        RegDeleteTreeW(HKEY_CURRENT_USER, kTestKey);
    }

    void Store(DWORD type, const void* data, DWORD bytes) {
        ASSERT_EQ(RegSetValueExW(key_, L"ProxyServer", 0, type, static_cast<const BYTE*>(data), bytes), ERROR_SUCCESS);
    }
    std::optional<std::wstring> Read() { return ReadRegistryText(HKEY_CURRENT_USER, kTestKey, L"ProxyServer"); }

    HKEY key_ = nullptr;
};

// A value stored without its terminating zero is still read whole and ends
// where it should.
TEST_F(ProxyRegistryTest, ValueWithoutTerminatorIsReadWhole) {
    const std::wstring text(600, L'p');
    Store(REG_SZ, text.c_str(), static_cast<DWORD>(text.size() * sizeof(wchar_t)));
    EXPECT_EQ(Read(), text);

    const wchar_t odd[] = L"abc:81";
    Store(REG_SZ, odd, 5);  // two units and half of a third
    const std::optional<std::wstring> read = Read();
    ASSERT_TRUE(read.has_value());
    EXPECT_EQ(read->substr(0, 2), L"ab");
    EXPECT_LE(read->size(), 3u);
}

TEST_F(ProxyRegistryTest, TextEndsAtItsFirstZero) {
    const wchar_t text[] = L"a:1\0b:2";
    Store(REG_SZ, text, sizeof text);
    EXPECT_EQ(Read(), L"a:1");
}

TEST_F(ProxyRegistryTest, MissingOrNotAText) {
    EXPECT_FALSE(Read().has_value()) << "no value";
    const DWORD number = 8080;
    Store(REG_DWORD, &number, sizeof number);
    EXPECT_FALSE(Read().has_value());
    const wchar_t expandable[] = L"%PROXY%:8080";
    Store(REG_EXPAND_SZ, expandable, sizeof expandable);
    EXPECT_FALSE(Read().has_value());
    EXPECT_FALSE(ReadRegistryText(HKEY_CURRENT_USER, L"Software\\Ostrilex\\Tests\\NoSuchKey", L"ProxyServer"));
}

}  // namespace
