// Choosing, opening, loading and leaving clips in the main window, over the
// fake engine: the happy path, failures, the watchdog, a choice made while
// an opening waits, a late end report, and playback running on into the
// next clip and the next folder.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "app/MainWindowMessages.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "support/MessagePump.h"
#include "ui/core/UiTextTable.h"

namespace {

using Access = CkadomirDlgTestAccess;
using testing_support::PumpPending;
using testing_support::PumpUntil;

constexpr const char* kFirst = "2401020304_A001.MOV";
constexpr const char* kSecond = "2401020312_G002.MOV";
constexpr const char* kThird = "2401020320_M003.MOV";

class MainWindowClip : public testing_support::MainWindowTest {
protected:
    void StartOnThree() {
        UseSourceFolder(Samples(), {kFirst, kSecond, kThird});
        Start();
    }
};

TEST_F(MainWindowClip, AChosenRowOpensAndItsDataAreLoadedOnce) {
    StartOnThree();
    ASSERT_TRUE(OpenChosenClip());
    // The clip before is closed first.
    const std::vector<std::string> calls = engine.Calls();
    const auto open = std::find(calls.begin(), calls.end(), std::string("OpenMovie ") + kFirst);
    ASSERT_GE(open - calls.begin(), 2);
    EXPECT_EQ(*(open - 2), "UnloadClipData");
    EXPECT_EQ(*(open - 1), "CloseMovie");
    EXPECT_EQ(engine.Lines("LoadClipData"), std::vector<std::string>{std::string("LoadClipData ") + kFirst});
    EXPECT_EQ(Access::Busy(*dialog), 0);
    EXPECT_TRUE(Armed(100));
    EXPECT_FALSE(Armed(102));
    EXPECT_EQ(Access::SeekSlider(*dialog).maximum, 300);
    ASSERT_NE(block.ShownClipReader.Records(), nullptr);
    EXPECT_FALSE(block.ShownClipReader.Records()->gsensor.empty());

    // A second report of loaded data changes nothing.
    Send(WM_APP_CLIP_DATA_LOADED, 0, 1);
    EXPECT_EQ(engine.Lines("LoadClipData").size(), 1u);
}

TEST_F(MainWindowClip, AFailedOpeningIsReportedAndHandsTheWindowBack) {
    engine.openResult = 0;
    StartOnThree();
    Fire(101);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].caption, L"ERROR");
    EXPECT_EQ(prompts.Messages()[0].text, UiText(99));
    EXPECT_EQ(Access::Busy(*dialog), 0);
    EXPECT_EQ(Access::OpenAllowed(*dialog), 1);
    EXPECT_FALSE(Armed(102));
    for (int i = 0; i < 14; ++i) {
        EXPECT_EQ(IsWindowEnabled(Child(38000 + i)) != FALSE, i == 9) << "button " << i;
    }
    EXPECT_TRUE(IsWindowEnabled(Child(1001)));
}

TEST_F(MainWindowClip, TheWatchdogFreesAWindowWhosePlayerNeverReportsReady) {
    engine.postReady = false;
    StartOnThree();
    Fire(101);
    EXPECT_EQ(Access::OpenAllowed(*dialog), 0);
    Fire(102);
    EXPECT_EQ(Access::Busy(*dialog), 0);
    EXPECT_EQ(Access::OpenAllowed(*dialog), 1);
    EXPECT_TRUE(IsWindowEnabled(Child(1001)));

    engine.postReady = true;
    ClickRow(2);
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(engine.Lines("LoadClipData"), std::vector<std::string>{std::string("LoadClipData ") + kThird});
}

TEST_F(MainWindowClip, ARowChosenWhileAnOpeningWaitsIsOpenedInsteadOfLoadedOverIt) {
    engine.postReady = false;
    StartOnThree();
    Fire(101);
    ClickRow(1);
    // The watchdog stays armed while the first opening waits.
    EXPECT_TRUE(Armed(102));
    // The late ready report of the first clip opens the chosen one.
    PostToVideo(WM_PLAYER_READY);
    PumpPending();
    EXPECT_TRUE(engine.Lines("LoadClipData").empty());
    EXPECT_TRUE(Armed(101));

    engine.postReady = true;
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(engine.Lines("OpenMovie").back(), std::string("OpenMovie ") + kSecond);
    EXPECT_EQ(engine.Lines("LoadClipData"), std::vector<std::string>{std::string("LoadClipData ") + kSecond});
}

TEST_F(MainWindowClip, ALateEndReportDoesNotSkipTheRowJustChosen) {
    StartOnThree();
    ASSERT_TRUE(OpenChosenClip());
    ClickRow(1);
    PostToVideo(WM_PLAYER_ENDED);
    PumpPending();
    EXPECT_EQ(Access::CurrentClip(*dialog), 1);
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(engine.Lines("OpenMovie").back(), std::string("OpenMovie ") + kSecond);
}

TEST_F(MainWindowClip, AtItsEndTheNextClipPlaysOnFromItsPreloadedData) {
    StartOnThree();
    ASSERT_TRUE(OpenChosenClip());
    ASSERT_TRUE(PumpUntil([&] { return block.PreloadReader.parsedFlag == 1; }));
    const std::wstring second = Samples() + L"\\2401020312_G002.MOV";
    ASSERT_EQ(block.PreloadReader.PendingPath(), second);
    // The data can only come from the pre-load now.
    ASSERT_TRUE(MoveFileW(second.c_str(), (Samples() + L"\\gone").c_str()));
    Command(38002);
    ASSERT_EQ(block.EnginePlayState, PlayState::kPlaying);

    PostToVideo(WM_PLAYER_ENDED);
    PumpPending();
    EXPECT_EQ(Access::CurrentClip(*dialog), 1);
    ASSERT_TRUE(OpenChosenClip());
    const std::vector<std::string> calls = engine.CallsFrom(std::string("LoadClipData ") + kSecond);
    ASSERT_FALSE(calls.empty());
    EXPECT_NE(std::find(calls.begin(), calls.end(), "Play"), calls.end());
    EXPECT_EQ(block.EnginePlayState, PlayState::kPlaying);
    ASSERT_NE(block.ShownClipReader.Records(), nullptr);
    EXPECT_FALSE(block.ShownClipReader.Records()->gsensor.empty());
}

TEST_F(MainWindowClip, TheEndOfAFoldersListOpensTheNextFolderAndTheLastFolderStopsAtTheStart) {
    CreateDirectoryW(Samples().c_str(), nullptr);
    UseSourceFolder(Samples() + L"\\a", {kFirst});
    UseSourceFolder(Samples() + L"\\b", {kSecond});
    WriteSetting(L"SOURCE", L"FOLDER", Samples().c_str());
    Start();
    const HWND tree = Child(38300);
    const HTREEITEM folderA = TreeView_GetChild(tree, TreeView_GetRoot(tree));
    ASSERT_NE(folderA, nullptr);
    TreeView_SelectItem(tree, folderA);
    ASSERT_TRUE(OpenChosenClip());
    Command(38002);
    block.EngineSpeedIndex = 2;

    PostToVideo(WM_PLAYER_ENDED);
    PumpPending();
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(engine.Lines("OpenMovie").back(), std::string("OpenMovie ") + kSecond);
    EXPECT_EQ(block.EnginePlayState, PlayState::kPlaying);
    EXPECT_EQ(Access::ContinuePlay(*dialog), 0);

    // No folder follows: rewound, stopped, at normal speed.
    engine.Log("end of the last folder");
    PostToVideo(WM_PLAYER_ENDED);
    PumpPending();
    const std::vector<std::string> calls = engine.CallsFrom("end of the last folder");
    EXPECT_NE(std::find(calls.begin(), calls.end(), "SetSpeed 1"), calls.end());
    const auto rewound = std::find(calls.begin(), calls.end(), "JumpToFrame 0");
    EXPECT_NE(std::find(rewound, calls.end(), "Stop"), calls.end());
    EXPECT_EQ(block.EngineSpeedIndex, 1);
    EXPECT_EQ(Access::ContinuePlay(*dialog), 0);
}

}  // namespace
