#include "ui/shared/IniFile.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "support/TempFolder.h"
#include "ui/shared/ProgramFolder.h"

namespace {

class IniFile : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::CurrentDirectory inFolder(folder.Path());
        RecordProgramFolder();
    }

    // Hidden, read-only and system as stored; the archive bit is left out,
    // since Wine reports it for every file.
    DWORD Attributes() const {
        return GetFileAttributesW(folder.File(L"Default_Folder.ini").c_str()) &
               (FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_SYSTEM);
    }

    testing_support::TempFolder folder;
};

TEST_F(IniFile, LivesInTheProgramFolder) {
    EXPECT_EQ(IniFilePath(), folder.File(L"Default_Folder.ini"));
}

TEST_F(IniFile, AWrittenValueReadsBackAndTheFileIsHidden) {
    EXPECT_TRUE(WriteIniString(L"DISPLAY", L"VOLUME", L"65535"));
    EXPECT_TRUE(WriteIniString(L"SOURCE", L"FOLDER", L"C:\\DCIM\\動画"));
    EXPECT_EQ(ReadIniString(L"DISPLAY", L"VOLUME"), L"65535");
    EXPECT_EQ(ReadIniString(L"SOURCE", L"FOLDER"), L"C:\\DCIM\\動画");
    EXPECT_EQ(Attributes(), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
}

TEST_F(IniFile, EveryWriteHidesTheFileAgain) {
    ASSERT_TRUE(WriteIniString(L"DISPLAY", L"ASPECT", L"on"));
    SetFileAttributesW(folder.File(L"Default_Folder.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(WriteIniString(L"DISPLAY", L"ASPECT", L"off"));
    EXPECT_EQ(Attributes(), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    SetFileAttributesW(folder.File(L"Default_Folder.ini").c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(WriteIniString(L"DISPLAY", L"ASPECT", L"on"));
    EXPECT_EQ(Attributes(), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
}

TEST_F(IniFile, AnExistingAnsiFileIsReadAndWrittenAsItIs) {
    const std::string ansi = "[DISPLAY]\r\nVOLUME=123\r\n";
    FILE* out = _wfopen(folder.File(L"Default_Folder.ini").c_str(), L"wb");
    ASSERT_NE(out, nullptr);
    fwrite(ansi.data(), 1, ansi.size(), out);
    fclose(out);
    EXPECT_EQ(ReadIniString(L"DISPLAY", L"VOLUME"), L"123");
    ASSERT_TRUE(WriteIniString(L"DISPLAY", L"ASPECT", L"on"));
    EXPECT_EQ(ReadIniString(L"DISPLAY", L"VOLUME"), L"123");
    EXPECT_EQ(ReadIniString(L"DISPLAY", L"ASPECT"), L"on");
}

TEST_F(IniFile, MissingFileSectionOrKeyReadsEmpty) {
    EXPECT_EQ(ReadIniString(L"DISPLAY", L"VOLUME"), L"");
    ASSERT_TRUE(WriteIniString(L"DISPLAY", L"VOLUME", L"100"));
    EXPECT_EQ(ReadIniString(L"DISPLAY", L"ASPECT"), L"");
    EXPECT_EQ(ReadIniString(L"DECODE", L"HW"), L"");
}

TEST_F(IniFile, LongValuesComeBackCutTo259Characters) {
    const std::wstring longValue(300, L'x');
    ASSERT_TRUE(WriteIniString(L"SOURCE", L"FILE", longValue));
    EXPECT_EQ(ReadIniString(L"SOURCE", L"FILE"), std::wstring(259, L'x'));
}

TEST_F(IniFile, AFailedWriteSaysSo) {
    const std::wstring vanished = folder.File(L"vanished");
    CreateDirectoryW(vanished.c_str(), nullptr);
    {
        testing_support::CurrentDirectory inVanished(vanished);
        RecordProgramFolder();
    }
    ASSERT_TRUE(RemoveDirectoryW(vanished.c_str()));
    EXPECT_FALSE(WriteIniString(L"DISPLAY", L"VOLUME", L"1"));
    EXPECT_EQ(GetFileAttributesW((vanished + L"\\Default_Folder.ini").c_str()), INVALID_FILE_ATTRIBUTES);
}

}  // namespace
