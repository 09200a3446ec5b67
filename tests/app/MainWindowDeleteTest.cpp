// Deleting through the main window over the fake engine, which holds the
// open clip's file as a player does: the open clip is let go first, the
// source is listed again and its first row opens; a file
// the shell cannot delete stops the job with the rows still naming the
// files; a source past 1500 recordings is said so over the main window.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>

#include "MiniRecording.h"
#include "TestRecordings.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "ui/core/UiTextTable.h"

namespace {

using Access = CkadomirDlgTestAccess;

constexpr wchar_t kFirst[] = L"2401020304_A001.MOV";
constexpr wchar_t kSecond[] = L"2401020312_G002.MOV";
constexpr wchar_t kThird[] = L"2401020320_M003.MOV";

class MainWindowDelete : public testing_support::MainWindowTest {
protected:
    void StartWithTheFirstOpen() {
        UseSourceFolder(Samples(), {"2401020304_A001.MOV", "2401020312_G002.MOV", "2401020320_M003.MOV"});
        Start();
        ASSERT_TRUE(OpenChosenClip());
        engine.Log("delete");
    }
    std::vector<std::wstring> Rows() const {
        std::vector<std::wstring> names;
        for (const MovieFileRecord& record : Access::Shown(*dialog)) names.emplace_back(record.FileName());
        return names;
    }
};

TEST_F(MainWindowDelete, TheOpenClipIsLetGoTheSourceListedAgainAndItsFirstRowOpened) {
    StartWithTheFirstOpen();
    selectionTicks = {0, 2};
    Command(38010);
    ASSERT_TRUE(FinishJob());
    EXPECT_EQ(FilesIn(Samples()), std::vector<std::wstring>{kSecond});
    EXPECT_EQ(Rows(), std::vector<std::wstring>{kSecond});
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, UiText(48));
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(engine.Lines("OpenMovie ").back(), "OpenMovie 2401020312_G002.MOV");
}

TEST_F(MainWindowDelete, AFileHeldOpenStopsTheJobWithRowsAndFilesStillMatched) {
    StartWithTheFirstOpen();
    const HANDLE held = CreateFileW((Samples() + L"\\" + kSecond).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    selectionTicks = {0, 1, 2};
    Command(38010);
    ASSERT_TRUE(FinishJob());
    CloseHandle(held);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, UiText(97));
    EXPECT_EQ(FilesIn(Samples()), (std::vector<std::wstring>{kFirst, kSecond}));
    EXPECT_EQ(Rows(), FilesIn(Samples()));
}

TEST_F(MainWindowDelete, CancellingDeletesNothingAndOpensTheChosenRowAgain) {
    StartWithTheFirstOpen();
    ClickRow(1);
    ASSERT_TRUE(OpenChosenClip());
    selectionTicks = {0};
    selectionAnswer = IDCANCEL;
    Command(38010);
    ASSERT_TRUE(FinishJob());
    EXPECT_EQ(FilesIn(Samples()).size(), 3u);
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(engine.Lines("OpenMovie ").back(), "OpenMovie 2401020312_G002.MOV");
}

TEST_F(MainWindowDelete, DeletingEveryRecordingLeavesTheWindowWithoutASource) {
    StartWithTheFirstOpen();
    selectionTicks = {0, 1, 2};
    Command(38010);
    ASSERT_TRUE(FinishJob());
    EXPECT_TRUE(FilesIn(Samples()).empty());
    EXPECT_TRUE(Rows().empty());
    EXPECT_EQ(Access::NoSource(*dialog), 1);
}

TEST_F(MainWindowDelete, ASourceOfMoreThan1500RecordingsIsSaidSoOverTheMainWindow) {
    UseSourceFolder(Samples(), {"2401020304_A001.MOV"});
    const std::wstring more = Samples() + L"\\more";
    CreateDirectoryW(more.c_str(), nullptr);
    const Bytes mini = MakeMiniRecording({});
    for (int i = 0; i < 1500; ++i) {
        WriteWholeFile(more + L"\\2402" + std::to_wstring(100000 + i) + L"_A" + std::to_wstring(i) + L".MOV", mini);
    }
    Start();
    ASSERT_TRUE(OpenChosenClip());
    selectionAnswer = IDCANCEL;
    Command(38010);
    ASSERT_TRUE(FinishJob());
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, UiText(105));
    EXPECT_EQ(prompts.Messages()[0].owner, Window());
}

}  // namespace
