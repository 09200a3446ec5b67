// The CSV export through the main window over the fake engine: the file's
// bytes in code page 932, the folder remembered only after a whole export,
// the clip opened again at its frame, and the ways it ends early.
#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <string>

#include "TestRecordings.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "ui/core/UiTextTable.h"

namespace {

using Access = CkadomirDlgTestAccess;
using fw::FolderChoice;

constexpr wchar_t kCsvName[] = L"Dv_20240102_030405.csv";

std::vector<uint8_t> InCodePage932(const std::wstring& text) {
    const int size = WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                         nullptr);
    std::vector<uint8_t> bytes(static_cast<size_t>(size));
    WideCharToMultiByte(932, 0, text.data(), static_cast<int>(text.size()), reinterpret_cast<char*>(bytes.data()),
                        size, nullptr, nullptr);
    return bytes;
}

std::wstring Megabytes(const char* recording) {
    return std::to_wstring(ReadWholeFile(TestRecordingPath(recording)).size() >> 20) + L"MB\r\n";
}

using MainWindowCsv = testing_support::MainWindowTest;

TEST_F(MainWindowCsv, EveryRecordingIsOneLineInCodePage932AndTheClipReopensAtItsFrame) {
    // A name as long as its path allows (and the host's file names take):
    // its line is longer than 259 bytes.
    const size_t room = std::min<size_t>(258 - Samples().size(), 230);
    const std::wstring longName = std::wstring(10, L'録') + std::wstring(room - 14, L'a') + L".MOV";
    UseSourceFolder(Samples(), {"2401020304_A001.MOV", "2401020320_M003.MOV"});
    ASSERT_TRUE(CopyFileW(TestRecordingPath("2401020304_A001.MOV").wstring().c_str(),
                          (Samples() + L"\\" + longName).c_str(), FALSE));
    Start();
    ASSERT_TRUE(OpenChosenClip());
    engine.currentFrame = 120;
    const std::wstring out = folder.File(L"出力 フォルダ");
    CreateDirectoryW(out.c_str(), nullptr);
    prompts.QueueFolder({FolderChoice::Outcome::Chosen, out});
    engine.Log("export");
    Command(38012);
    ASSERT_TRUE(FinishJob());

    const std::wstring hq = UiText(59);
    const std::wstring start = L",2024/01/02,03:04:05,";
    const std::wstring expected =
        std::wstring(L"ファイル名,日付,開始時刻,録画時間,録画トリガー,録画サイズ,画質,フレームレート,") +
        L"データサイズ\r\n" +
        L"2401020304_A001.MOV" + start + L"00:00:08," + UiText(26) + L",SD," + hq + L",30fps," +
        Megabytes("2401020304_A001.MOV") +
        L"2401020320_M003.MOV" + start + L"00:00:02," + UiText(27) + L",HD," + hq + L",30fps," +
        Megabytes("2401020320_M003.MOV") +
        longName + start + L"00:00:08,,SD," + hq + L",30fps," + Megabytes("2401020304_A001.MOV");
    EXPECT_EQ(ReadWholeFile(out + L"\\" + kCsvName), InCodePage932(expected));
    EXPECT_EQ(Setting(L"FOLDERPATH", L"CSV_FOLDER"), out);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, UiText(48));
    // The clip was let go for the export and comes back where it was.
    ASSERT_TRUE(OpenChosenClip());
    const std::vector<std::string> calls = engine.CallsFrom("export");
    EXPECT_NE(std::find(calls.begin(), calls.end(), "CloseMovie"), calls.end());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "SeekToFrame 120"), calls.end());
}

TEST_F(MainWindowCsv, ACancelledChoiceOrAKeptFileWritesNothingAndKeepsTheClip) {
    UseSourceFolder(Samples(), {"2401020304_A001.MOV"});
    Start();
    ASSERT_TRUE(OpenChosenClip());
    const std::wstring out = folder.File(L"out");
    CreateDirectoryW(out.c_str(), nullptr);
    WriteWholeFile(out + L"\\" + kCsvName, {'o', 'l', 'd'});
    engine.Log("export");
    prompts.QueueFolder({FolderChoice::Outcome::Cancelled, L""});
    Command(38012);
    ASSERT_TRUE(FinishJob());
    prompts.QueueFolder({FolderChoice::Outcome::Chosen, out});
    prompts.QueueMessageAnswer(IDCANCEL);
    Command(38012);
    ASSERT_TRUE(FinishJob());
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, UiText(93));
    EXPECT_EQ(prompts.Messages()[0].caption, UiText(106));
    EXPECT_EQ(ReadWholeFile(out + L"\\" + kCsvName), (std::vector<uint8_t>{'o', 'l', 'd'}));
    const std::vector<std::string> calls = engine.CallsFrom("export");
    EXPECT_EQ(std::find(calls.begin(), calls.end(), "CloseMovie"), calls.end());
    EXPECT_EQ(Setting(L"FOLDERPATH", L"CSV_FOLDER"), L"");
}

TEST_F(MainWindowCsv, AFirstRecordingWithoutEntriesNamesNoFileAndIsAnError) {
    UseSourceFolder(Samples(), {"entries_0.MOV"});
    Start();
    const std::wstring out = folder.File(L"out");
    CreateDirectoryW(out.c_str(), nullptr);
    prompts.QueueFolder({FolderChoice::Outcome::Chosen, out});
    Command(38012);
    ASSERT_TRUE(FinishJob());
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, UiText(96));
    EXPECT_TRUE(FilesIn(out).empty());
}

}  // namespace
