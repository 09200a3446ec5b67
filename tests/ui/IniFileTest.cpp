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

TEST_F(IniFile, EveryWriteHidesTheFileAgain) {
    ASSERT_TRUE(WriteIniString(L"DISPLAY", L"ASPECT", L"on"));
    SetFileAttributesW(folder.File(L"Default_Folder.ini").c_str(), FILE_ATTRIBUTE_NORMAL);
    ASSERT_TRUE(WriteIniString(L"DISPLAY", L"ASPECT", L"off"));
    EXPECT_EQ(Attributes(), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
    SetFileAttributesW(folder.File(L"Default_Folder.ini").c_str(), FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_HIDDEN);
    ASSERT_TRUE(WriteIniString(L"DISPLAY", L"ASPECT", L"on"));
    EXPECT_EQ(Attributes(), static_cast<DWORD>(FILE_ATTRIBUTE_HIDDEN));
}

// A file saved by hand naming a Japanese folder, as UTF-16 with its
// byte-order mark or in the ANSI code page (932 for the program's users):
// read as it is, and a write keeps its values and its form.
TEST_F(IniFile, AnExistingFileIsReadAndWrittenInItsOwnForm) {
    const std::wstring text = L"[SOURCE]\r\nFOLDER=C:\\ドライブ記録 2025\r\n";
    std::string ansi(text.size() * 2, '\0');
    ansi.resize(WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), ansi.data(),
                                    static_cast<int>(ansi.size()), nullptr, nullptr));
    const std::string utf16 = "\xFF\xFE" + std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
    const std::wstring path = folder.File(L"Default_Folder.ini");
    for (const std::string& stored : {utf16, ansi}) {
        SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        FILE* file = _wfopen(path.c_str(), L"wb");
        ASSERT_NE(file, nullptr);
        fwrite(stored.data(), 1, stored.size(), file);
        fclose(file);
        EXPECT_EQ(ReadIniString(L"SOURCE", L"FOLDER"), L"C:\\ドライブ記録 2025");
        ASSERT_TRUE(WriteIniString(L"DISPLAY", L"ASPECT", L"on"));
        EXPECT_EQ(ReadIniString(L"SOURCE", L"FOLDER"), L"C:\\ドライブ記録 2025");
        EXPECT_EQ(ReadIniString(L"DISPLAY", L"ASPECT"), L"on");
        char head[2] = {};
        file = _wfopen(path.c_str(), L"rb");
        ASSERT_NE(file, nullptr);
        fread(head, 1, sizeof head, file);
        fclose(file);
        EXPECT_EQ(std::string(head, sizeof head), stored.substr(0, 2)) << "the file keeps its form";
    }
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
