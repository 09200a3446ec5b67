// Playback in the main window, over the fake engine: the tick, seeking by
// the slider and from the map page, the commands and their guards, and
// the video context menu in every state.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "app/MainWindowMessages.h"
#include "map/MapMessages.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "support/MessagePump.h"
#include "ui/controls/CSkinSliderCtrl.h"
#include "ui/core/UiTextTable.h"

namespace {

using Access = CkadomirDlgTestAccess;

class MainWindowPlayback : public testing_support::MainWindowTest {
protected:
    // The first of two recordings open and playing.
    void StartPlaying() {
        UseSourceFolder(Samples(), {"2401020304_A001.MOV", "2401020312_G002.MOV"});
        Start();
        ASSERT_TRUE(OpenChosenClip());
        Command(38002);
        ASSERT_EQ(block.EnginePlayState, PlayState::kPlaying);
    }
    void Tick(int32_t position) { engine.currentFrame = position, Fire(100); }
    int Shown() const { return Access::SeekSlider(*dialog).position; }
    // The engine's commands after a mark in the log, without the volume
    // and overlay refreshes that accompany many of them.
    std::vector<std::string> Since(const std::string& mark) const {
        std::vector<std::string> calls;
        for (const std::string& c : engine.CallsFrom(mark)) {
            if (c != mark && c.rfind("SetVolume", 0) != 0 && c.rfind("Draw", 0) != 0) calls.push_back(c);
        }
        return calls;
    }
};

TEST_F(MainWindowPlayback, TheTickFollowsThePositionAndSwitchesTheControlsOffNearTheEnd) {
    StartPlaying();
    Tick(100);
    EXPECT_EQ(Shown(), 100);
    Tick(285);
    EXPECT_FALSE(IsWindowEnabled(Child(38002)));
    Command(38002);  // commands wait until the clip has ended
    EXPECT_EQ(block.EnginePlayState, PlayState::kPlaying);
    // A seek back out of the margin gives the controls back.
    Tick(120);
    EXPECT_TRUE(IsWindowEnabled(Child(38002)));
}

TEST_F(MainWindowPlayback, AnEventPointOfTheMapIsSoughtWithinTheClipAndTheTickWaitsForIt) {
    UseSourceFolder(Samples(), {"2401020304_A001.MOV"});
    engine.postReady = false;
    Start();
    Fire(101);
    // The clip's data are not in yet: the page's frame is not sought.
    Send(WM_APP_MAP_CRASH_CLICK, 0, 10);
    EXPECT_FALSE(engine.Called("JumpToFrame"));
    PostToVideo(WM_PLAYER_READY);
    ASSERT_TRUE(testing_support::PumpUntil([&] { return Access::ClipOpen(*dialog) != 0; }));

    Send(WM_APP_MAP_CRASH_CLICK, 0, 5000);
    EXPECT_TRUE(engine.Called("JumpToFrame 280"));
    EXPECT_EQ(Shown(), 299);
    Send(WM_APP_MAP_CRASH_CLICK, 0, -7);
    EXPECT_TRUE(engine.Called("JumpToFrame 0"));

    Send(WM_APP_MAP_CRASH_CLICK, 0, 250);
    Command(38002);
    Tick(100);  // the engine has not got there yet
    EXPECT_EQ(Shown(), 250);
    Tick(240);
    EXPECT_EQ(Shown(), 240);
    EXPECT_EQ(Access::PendingSeek(*dialog), -1);
}

TEST_F(MainWindowPlayback, TheSeekSliderSeeksAtOnceBesideItsThumbAndOnReleaseFromIt) {
    StartPlaying();
    CSkinSliderCtrl& slider = Access::SeekSlider(*dialog);
    slider.offThumb = 1;
    engine.Log("beside");
    Send(WM_APP_SLIDER_PRESSED, 38100, 150);
    EXPECT_EQ(Since("beside"), (std::vector<std::string>{"Pause", "JumpToFrame 150", "Play"}));

    slider.offThumb = 0;
    engine.Log("drag");
    Send(WM_APP_SLIDER_PRESSED, 38100, 150);
    Send(WM_APP_SLIDER_MOVED, 38100, 200);
    EXPECT_EQ(Since("drag"), std::vector<std::string>{"Pause"});
    EXPECT_EQ(Shown(), 200);
    Send(WM_APP_SLIDER_RELEASED, 38100, 210);
    EXPECT_EQ(Since("drag"), (std::vector<std::string>{"Pause", "JumpToFrame 210", "Play"}));

    Access::SetBusy(*dialog, 1);  // an opening is under way
    engine.Log("busy");
    for (UINT message : {WM_APP_SLIDER_PRESSED, WM_APP_SLIDER_MOVED, WM_APP_SLIDER_RELEASED}) {
        Send(message, 38100, 20);
    }
    EXPECT_TRUE(Since("busy").empty());
}

TEST_F(MainWindowPlayback, StopWhileAJobRunsEndsTheJobOnly) {
    StartPlaying();
    dialog->StartWorker([](CkadomirDlg& owner) {
        while (owner.WorkerRunning()) Sleep(5);
        return 0u;
    });
    EXPECT_TRUE(IsWindowEnabled(Child(38000)));
    Command(38000);
    EXPECT_FALSE(dialog->WorkerRunning());
    EXPECT_EQ(block.EnginePlayState, PlayState::kPlaying);
}

TEST_F(MainWindowPlayback, ASingleFileSourceKeepsTheEngineAndFilterIdsWithoutAButtonDoNothing) {
    UseSourceFolder(Samples(), {"2401020304_A001.MOV"});
    MainWindowSeams seams = Seams();
    const std::wstring file = Samples() + L"\\2401020304_A001.MOV";
    seams.chooseSource = [file](HWND) { return std::optional<ChosenSource>({kSourceFile, file}); };
    Start(std::move(seams));
    Command(38705);
    EXPECT_EQ(ListView_GetItemCount(Child(1001)), 1);
    Command(38009);
    EXPECT_EQ(ListView_GetItemCount(Child(1001)), 1);
    EXPECT_FALSE(engine.Called("Uninit"));
    EXPECT_EQ(block.PlayerEngineReady, 1u);
    EXPECT_TRUE(OpenChosenClip());
}

// The menu's items as "id text", "-" for a separator, "(grey)" appended.
std::vector<std::wstring> MenuItems(const testing_support::ScriptedPrompts& prompts) {
    std::vector<std::wstring> items = prompts.LastMenu();
    const std::vector<UINT> ids = prompts.LastMenuIds();
    for (size_t i = 0; i < items.size(); ++i) {
        if (ids[i] != 0) items[i] = std::to_wstring(ids[i]) + L" " + items[i];
    }
    return items;
}

std::wstring Item(UINT id, int slot, bool grey = false) {
    return std::to_wstring(id) + L" " + UiText(slot) + (grey ? L"(grey)" : L"");
}

TEST_F(MainWindowPlayback, TheVideoMenuOffersWhatTheStateAllows) {
    const std::wstring sep = L"-";
    const std::wstring play = Item(38002, 86), snapshot = Item(38006, 89), settings = Item(38011, 87),
                       open = Item(38009, 84), stop = Item(38000, 90), pause = Item(38002, 85);
    // play state, speed, engine's keep-aspect, full screen, size mode, items
    const struct { uint32_t state; int32_t speed; uint32_t keep; int full, size; std::vector<std::wstring> items; } cases[] = {
        {0, 1, 0, 0, 0, {settings, sep, open}},
        {0, 1, 0, 0, 2, {settings}},
        {1, 1, 0, 0, 0, {play, sep, snapshot, settings, sep, open}},
        {1, 1, 1, 1, 0, {play, Item(38200, 92)}},
        {1, 1, 5, 1, 0, {play}},
        {2, 4, 0, 0, 2, {pause, stop, Item(38004, 82, true), Item(38003, 88), sep, snapshot, settings}},
        {2, -2, 0, 1, 0, {pause, stop, Item(38004, 82), Item(38003, 88, true), Item(38200, 91)}},
        {3, 1, 0, 0, 0, {play, stop, Item(38004, 82, true), Item(38003, 88, true), sep, snapshot, settings, sep, open}},
    };
    Start();
    for (const auto& c : cases) {
        block.EnginePlayState = c.state;
        block.EngineSpeedIndex = c.speed;
        block.keepAspect = c.keep;
        Access::SetLayout(*dialog, c.size, c.full);
        dialog->OnVideoContextMenu({10, 10}, Child(1000));
        EXPECT_EQ(MenuItems(prompts), c.items) << "state " << c.state << " full screen " << c.full;
    }
    // No menu for a state the engine never has, while an opening is under
    // way, or near the clip's end.
    const auto tracked = [&](uint32_t state, int busy, int32_t position) {
        block.EnginePlayState = state;
        Access::SetBusy(*dialog, busy);
        engine.currentFrame = position;
        const size_t before = prompts.MenusTracked();
        dialog->OnVideoContextMenu({10, 10}, Child(1000));
        return prompts.MenusTracked() > before;
    };
    EXPECT_FALSE(tracked(7, 0, 0));
    EXPECT_FALSE(tracked(1, 1, 0));
    EXPECT_FALSE(tracked(2, 0, 290));
    EXPECT_TRUE(tracked(2, 0, 100));
}

}  // namespace
