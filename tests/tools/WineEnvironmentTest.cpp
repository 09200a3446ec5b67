// The environment the Windows side runs in under Wine (tools/wine-exec):
// the code page and language of the program's users, and a host locale
// under which a Japanese name the host made is found and listed as it is.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <cstring>
#include <string>

namespace {

const wchar_t kJapaneseFolder[] = L"ドライブ記録 2025";

TEST(WineEnvironment, HasTheJapaneseCodePageAndLanguage) {
    EXPECT_EQ(GetACP(), 932u);
    EXPECT_EQ(GetUserDefaultLangID(), 0x0411);
}

TEST(WineEnvironment, FindsAndListsAJapaneseFolderTheHostMade) {
    const char* probe = std::getenv("OSTRILEX_LOCALE_PROBE");
    ASSERT_NE(probe, nullptr) << "the host-made folder's parent";
    const std::wstring parent(probe, probe + std::strlen(probe));
    const DWORD attributes = GetFileAttributesW((parent + L"\\" + kJapaneseFolder).c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES) << "error " << GetLastError();
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);

    WIN32_FIND_DATAW found{};
    const HANDLE search = FindFirstFileW((parent + L"\\*").c_str(), &found);
    ASSERT_NE(search, INVALID_HANDLE_VALUE);
    bool listed = false;
    do {
        listed = listed || std::wstring(found.cFileName) == kJapaneseFolder;
    } while (FindNextFileW(search, &found));
    FindClose(search);
    EXPECT_TRUE(listed);
}

}  // namespace
