// Choosing, opening, loading and leaving clips in the main window, over the
// fake engine: the happy path, failures, the watchdog, a choice made while
// an opening waits, a late end report, and playback running on into the
// next clip and the next folder.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>
#include <evcode.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "FakePlaybackBackend.h"
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
    std::string LastOpened() const { return engine.Lines("OpenMovie ").back().substr(10); }
    std::vector<std::string> Loads() const { return engine.Lines("LoadClipData "); }
    static std::string Load(const char* name) { return std::string("LoadClipData ") + name; }
    // As the DirectShow path reports a clip's end: a completion, then the
    // end of the graph's queue.
    void DrainGraphCompletion() {
        auto backend = std::make_unique<FakePlaybackBackend>();
        backend->graphEvents = {EC_COMPLETE, -1};
        block.EnginePlaybackBackend = std::move(backend);
        PostToVideo(WM_APP_GRAPH_EVENT);
        PumpPending();
    }
};

TEST_F(MainWindowClip, AChosenRowOpensAndItsDataAreLoadedOnce) {
    StartOnThree();
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(LastOpened(), kFirst);
    EXPECT_EQ(Loads(), std::vector<std::string>{Load(kFirst)});
    EXPECT_EQ(Access::Busy(*dialog), 0);
    EXPECT_TRUE(Armed(100));
    EXPECT_FALSE(Armed(102));
    EXPECT_EQ(Access::SeekSlider(*dialog).maximum, 300);
    ASSERT_NE(block.ShownClipReader.Records(), nullptr);
    EXPECT_FALSE(block.ShownClipReader.Records()->gsensor.empty());
    Send(WM_APP_CLIP_DATA_LOADED, 0, 1);  // a second report changes nothing
    EXPECT_EQ(Loads().size(), 1u);
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
}

TEST_F(MainWindowClip, TheWatchdogFreesAWindowWhosePlayerNeverReportsReady) {
    engine.postReady = false;
    StartOnThree();
    Fire(101);
    Fire(102);
    EXPECT_EQ(Access::Busy(*dialog), 0);
    EXPECT_EQ(Access::OpenAllowed(*dialog), 1);
    EXPECT_TRUE(IsWindowEnabled(Child(1001)));
    engine.postReady = true;
    ClickRow(2);
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(Loads(), std::vector<std::string>{Load(kThird)});
}

TEST_F(MainWindowClip, ARowChosenWhileAnOpeningWaitsIsOpenedInsteadOfLoadedOverIt) {
    engine.postReady = false;
    StartOnThree();
    Fire(101);
    ClickRow(1);
    EXPECT_TRUE(Armed(102));  // in case the first opening never reports back
    PostToVideo(WM_PLAYER_READY);  // late, for the first clip
    PumpPending();
    EXPECT_TRUE(Armed(101));  // the chosen row opens instead
    EXPECT_TRUE(Loads().empty());
    engine.postReady = true;
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(LastOpened(), kSecond);
    EXPECT_EQ(Loads(), std::vector<std::string>{Load(kSecond)});
}

TEST_F(MainWindowClip, ALateEndReportDoesNotSkipTheRowJustChosen) {
    StartOnThree();
    ASSERT_TRUE(OpenChosenClip());
    ClickRow(1);
    PostToVideo(WM_PLAYER_ENDED);
    PumpPending();
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(LastOpened(), kSecond);
}

// Where the engine plays through DirectShow, the end of a clip comes as a
// graph event; events queued behind it are drained too.
TEST_F(MainWindowClip, TheGraphsCompletionEventPlaysOnToTheNextRow) {
    StartOnThree();
    ASSERT_TRUE(OpenChosenClip());
    DrainGraphCompletion();
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(LastOpened(), kSecond);
}

TEST_F(MainWindowClip, ALateGraphCompletionDoesNotSkipTheRowJustChosen) {
    StartOnThree();
    ASSERT_TRUE(OpenChosenClip());
    ClickRow(1);
    DrainGraphCompletion();
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(LastOpened(), kSecond);
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
    PostToVideo(WM_PLAYER_ENDED);
    PumpPending();
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(Loads().back(), Load(kSecond));
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
    TreeView_SelectItem(tree, TreeView_GetChild(tree, TreeView_GetRoot(tree)));
    ASSERT_TRUE(OpenChosenClip());
    Command(38002);
    block.EngineSpeedIndex = 2;
    PostToVideo(WM_PLAYER_ENDED);
    PumpPending();
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(LastOpened(), kSecond);
    EXPECT_EQ(block.EnginePlayState, PlayState::kPlaying);

    // No folder follows: rewound, stopped, at normal speed.
    engine.Log("end");
    PostToVideo(WM_PLAYER_ENDED);
    PumpPending();
    const std::vector<std::string> calls = engine.CallsFrom("end");
    const auto rewound = std::find(calls.begin(), calls.end(), "JumpToFrame 0");
    EXPECT_NE(std::find(rewound, calls.end(), "Stop"), calls.end());
    EXPECT_EQ(block.EngineSpeedIndex, 1);
    EXPECT_EQ(Access::ContinuePlay(*dialog), 0);
}

}  // namespace
