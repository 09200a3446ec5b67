// The main window from its creation to its first idle moment: its shape,
// its children, its settings and the engine's set-up.
#include <gtest/gtest.h>

#include <algorithm>

#include "KnownBoxTypes.h"
#include "app/MainButtons.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "ui/core/UiTextTable.h"

namespace {

using testing_support::MainWindowTest;
using Access = CkadomirDlgTestAccess;

RECT Rect(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

TEST_F(MainWindowTest, IsABorderless1120By700WindowNamedAfterTheProduct) {
    Start();
    const LONG style = GetWindowLongW(Window(), GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_BORDER | WS_THICKFRAME | DS_MODALFRAME));
    RECT window{};
    GetWindowRect(Window(), &window);
    EXPECT_EQ(window.right - window.left, 1120);
    EXPECT_EQ(window.bottom - window.top, 700);
    const RECT client = dialog->ClientRect();
    EXPECT_EQ(Text(client), "0,0 1120x700");
    EXPECT_EQ(dialog->GetText(), L"Ostrilex");
    EXPECT_NE(SendMessageW(Window(), WM_GETICON, ICON_BIG, 0), 0);
}

TEST_F(MainWindowTest, PlacesTheVideoSurfaceAndItsSliders) {
    Start();
    const HWND video = Child(1000);
    ASSERT_NE(video, nullptr);
    wchar_t className[32] = L"";
    GetClassNameW(video, className, 32);
    EXPECT_STREQ(className, L"Static");
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(video, GWL_STYLE)), 0x5400010Bu);
    EXPECT_TRUE(GetWindowLongW(video, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    EXPECT_EQ(Text(ChildRect(video)), Text(Rect(6, 24, 656, 373)));
    EXPECT_EQ(engine.initWindow, reinterpret_cast<HWND__*>(video));

    EXPECT_EQ(Text(ChildRect(38100)), Text(Rect(6, 397, 656, 10)));
    EXPECT_EQ(Text(ChildRect(38101)), Text(Rect(1000, 670, 100, 20)));
    EXPECT_TRUE(IsWindowVisible(Child(38100)));
    EXPECT_TRUE(IsWindowVisible(Child(38101)));
    EXPECT_EQ(Access::VolumeSliderMaximum(*dialog), 65535);
}

TEST_F(MainWindowTest, ShowsEveryCommandButtonInItsPlaceWithItsTooltip) {
    Start();
    for (int i = 0; i < kMainButtonCount; ++i) {
        const HWND button = Child(38000 + i);
        ASSERT_NE(button, nullptr) << "button " << i;
        EXPECT_TRUE(IsWindowVisible(button)) << "button " << i;
        const int left = 20 + 47 * i + (i > 8 ? 30 : 0);
        EXPECT_EQ(Text(ChildRect(button)), Text(Rect(left, 665, 32, 32))) << "button " << i;
        EXPECT_EQ(ToolTipText(button), UiText(kMainButtons[i].tooltipSlot)) << "button " << i;
    }
}

TEST_F(MainWindowTest, ShowsTheWindowButtonsAlongTheTopRight) {
    Start();
    EXPECT_EQ(Text(ChildRect(14)), Text(Rect(1064, 0, 46, 18)));
    EXPECT_EQ(Text(ChildRect(16)), Text(Rect(1038, 0, 26, 18)));
    EXPECT_EQ(Text(ChildRect(15)), Text(Rect(1012, 0, 26, 18)));
    EXPECT_EQ(ToolTipText(Child(14)), UiText(0));
    EXPECT_EQ(ToolTipText(Child(15)), UiText(137));
    // The size button names the size a press switches to.
    EXPECT_EQ(ToolTipText(Child(16)), UiText(8));
    for (int id : {14, 15, 16}) {
        EXPECT_TRUE(IsWindowVisible(Child(id))) << id;
        EXPECT_TRUE(IsWindowEnabled(Child(id))) << id;
    }
}

TEST_F(MainWindowTest, PlacesThePanelsBesideAndBelowTheVideo) {
    Start();
    const HWND info = Access::InfoPanel(*dialog);
    const HWND graph = Access::Graph(*dialog);
    const HWND map = Access::MapWindow(*dialog);
    ASSERT_NE(info, nullptr);
    ASSERT_NE(graph, nullptr);
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(GetParent(info), Window());
    EXPECT_EQ(Text(ChildRect(info)), Text(Rect(6, 407, 656, 67)));
    EXPECT_EQ(Text(ChildRect(graph)), Text(Rect(6, 474, 656, 186)));
    EXPECT_EQ(Text(ChildRect(map)), Text(Rect(662, 24, 452, 392)));
    EXPECT_TRUE(IsWindowVisible(info));
    EXPECT_TRUE(IsWindowVisible(graph));
    EXPECT_EQ(Access::InfoPanelWidth(*dialog), 656);
    EXPECT_EQ(Access::InfoPanelAndGraphHeight(*dialog), 67 + 186);
}

TEST_F(MainWindowTest, KeepsTheSettingsAndGaugeWindowsHiddenAndOwned) {
    Start();
    for (HWND owned : {Access::SettingsDialog(*dialog), Access::ObdWindow(*dialog)}) {
        ASSERT_NE(owned, nullptr);
        EXPECT_EQ(GetWindow(owned, GW_OWNER), Window());
        EXPECT_FALSE(GetWindowLongW(owned, GWL_STYLE) & WS_CHILD);
        EXPECT_FALSE(IsWindowVisible(owned));
    }
}

TEST_F(MainWindowTest, KeepsTheProgressBarHiddenAlongTheVideosBottom) {
    Start();
    const HWND bar = Access::ProgressBar(*dialog);
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(IsWindowVisible(bar));
    const RECT video = ChildRect(1000);
    const RECT r = ChildRect(bar);
    EXPECT_EQ(r.bottom, video.bottom);
    EXPECT_EQ(r.bottom - r.top, 22);
    EXPECT_EQ(r.right - r.left, video.right - video.left);
}

TEST_F(MainWindowTest, OnlyOpenSourceCanBePressedWithoutRecordings) {
    Start();
    for (int i = 0; i < kMainButtonCount; ++i) {
        EXPECT_EQ(IsWindowEnabled(Child(38000 + i)) != FALSE, i == kButtonOpenSource) << "button " << i;
    }
    EXPECT_EQ(Access::NoSource(*dialog), 1);
}

TEST_F(MainWindowTest, WritesTheSettingDefaultsOnFirstStart) {
    const std::wstring file = folder.File(L"Default_Folder.ini");
    ASSERT_EQ(GetFileAttributesW(file.c_str()), INVALID_FILE_ATTRIBUTES);
    Start();
    const DWORD attributes = GetFileAttributesW(file.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_HIDDEN);
    EXPECT_EQ(Setting(L"DISPLAY", L"INFOCHECK"), L"31");
    EXPECT_EQ(Setting(L"DISPLAY", L"ASPECT"), L"on");
    EXPECT_EQ(Setting(L"DISPLAY", L"VOLUME"), L"65535");
    EXPECT_EQ(Access::KeepAspect(*dialog), 1);
    EXPECT_EQ(Access::Volume(*dialog), 65535);
    EXPECT_EQ(Access::VolumeSliderPosition(*dialog), 65535);
}

TEST_F(MainWindowTest, ReadsTheSettingsOfAnExistingFileAsTheyStand) {
    struct Case {
        const wchar_t* aspect;
        const wchar_t* volume;
        const wchar_t* hardware;
        int keepAspect;
        int startVolume;
        const char* hardwareCall;
    };
    for (const Case c : {Case{L"on", L"1200", L"on", 1, 1200, "SetHardwareDecoding 1"},
                         Case{L"ON", L"", L"\"on \"", 0, 65535, "SetHardwareDecoding 0"},
                         Case{L"off", L"70000", L"", 0, 65535, "SetHardwareDecoding 0"},
                         Case{L"on", L"-5", L"off", 1, 0, "SetHardwareDecoding 0"},
                         Case{L"on", L"abc", L"on", 1, 0, "SetHardwareDecoding 1"}}) {
        engine.Reset();
        WriteSetting(L"DISPLAY", L"ASPECT", c.aspect);
        WriteSetting(L"DISPLAY", L"VOLUME", c.volume);
        WriteSetting(L"DECODE", L"HW", c.hardware);
        Start();
        EXPECT_EQ(Access::KeepAspect(*dialog), c.keepAspect) << c.aspect;
        EXPECT_EQ(Access::Volume(*dialog), c.startVolume) << c.volume;
        EXPECT_TRUE(engine.Called(c.hardwareCall)) << c.hardware;
        EXPECT_TRUE(engine.Called("SetVolume " + std::to_string(c.startVolume))) << c.volume;
        // An existing file gets no defaults, and the volume is written back
        // as the window uses it.
        EXPECT_EQ(Setting(L"DISPLAY", L"INFOCHECK"), L"");
        EXPECT_EQ(Setting(L"DISPLAY", L"VOLUME"), std::to_wstring(c.startVolume));
        ASSERT_TRUE(CloseFromSystemMenu());
        dialog->DestroyWindow();
        dialog.reset();
    }
}

// The engine's calls without the timer lines.
std::vector<std::string> EngineCalls(const testing_support::FakeEngine& engine) {
    std::vector<std::string> calls;
    for (const std::string& call : engine.Calls()) {
        if (call.rfind("StartTimer", 0) != 0 && call.rfind("StopTimer", 0) != 0) {
            calls.push_back(call);
        }
    }
    return calls;
}

TEST_F(MainWindowTest, SetsTheEngineUpFirstAndOnceWithTheOverlayFaceAndTheBoxTypes) {
    Start();
    const std::vector<std::string> calls = EngineCalls(engine);
    ASSERT_GE(calls.size(), 3u);
    EXPECT_EQ(calls[0], "Init");
    EXPECT_EQ(calls[1], "SetHardwareDecoding 0");
    EXPECT_EQ(std::count(calls.begin(), calls.end(), "Init"), 1);
    EXPECT_TRUE(engine.Called("SetVolume 65535"));
    EXPECT_EQ(engine.initFace, UiText(kSlotFontFace));
    EXPECT_EQ(ThePlayerEngine().PlayerEngineReady, 1u);
    EXPECT_EQ(ThePlayerEngine().clipDataLoaded, 0u);
    EXPECT_EQ(ThePlayerEngine().codecHintText, UiText(kSlotCodecMissing));
    EXPECT_NE(KnownBoxTypes(), nullptr);
}

TEST_F(MainWindowTest, AFailedEngineSetUpIsReportedAndTheEngineLeftAlone) {
    engine.initResult = 0;
    Start();
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].caption, L"ERROR");
    EXPECT_EQ(prompts.Messages()[0].text, UiText(99));
    EXPECT_EQ(ThePlayerEngine().PlayerEngineReady, 0u);
    EXPECT_TRUE(IsWindowVisible(Window()));

    // Closing touches no engine entry either.
    ASSERT_TRUE(CloseFromSystemMenu());
    EXPECT_EQ(EngineCalls(engine), std::vector<std::string>{"Init"});
}

// Ends a modal main window that stayed up after all.
CkadomirDlg* g_stuckWindow = nullptr;
bool g_stuckWindowEnded = false;

void CALLBACK EndStuckWindow(HWND, UINT, UINT_PTR, DWORD) {
    if (g_stuckWindow != nullptr && g_stuckWindow->Handle() != nullptr) {
        g_stuckWindowEnded = true;
        EndDialog(g_stuckWindow->Handle(), IDABORT);
    }
}

TEST_F(MainWindowTest, ALockThatCannotBeMadeIsReportedAndTheWindowEnds) {
    // An event holding the lock's name makes the lock impossible.
    fw::UniqueHandle squatter(CreateEventW(nullptr, TRUE, FALSE, L"hMutexCache"));
    ASSERT_TRUE(squatter.Valid());
    dialog = std::make_unique<CkadomirDlg>(Seams());
    g_stuckWindow = dialog.get();
    g_stuckWindowEnded = false;
    const UINT_PTR guard = SetTimer(nullptr, 0, 3000, &EndStuckWindow);
    const INT_PTR result = dialog->DoModal(nullptr);
    KillTimer(nullptr, guard);
    g_stuckWindow = nullptr;

    EXPECT_EQ(result, IDCANCEL);
    EXPECT_FALSE(g_stuckWindowEnded);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].caption, L"ERROR");
    EXPECT_FALSE(prompts.Messages()[0].text.empty());
    EXPECT_TRUE(engine.Calls().empty());
    EXPECT_FALSE(Access::HoldsLocks(*dialog));
}

TEST_F(MainWindowTest, StartsTheIdleTimerLast) {
    Start();
    const std::vector<std::string> calls = engine.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(engine.CallsFrom("StartTimer").size(), 1u);
    EXPECT_EQ(engine.CallsFrom("StartTimer").front(), "StartTimer 103 1000");
    EXPECT_EQ(Access::ZoomCentre(*dialog), (LayoutPoint{328, 186}));
    EXPECT_EQ(Access::ZoomScale(*dialog), 1.0f);
}

TEST_F(MainWindowTest, EnterAndEscapeLeaveTheWindowOpen) {
    Start();
    for (WPARAM key : {VK_RETURN, VK_ESCAPE}) {
        PostMessageW(Window(), WM_KEYDOWN, key, 0);
        PostMessageW(Window(), WM_KEYUP, key, 0xC0000001);
    }
    EXPECT_FALSE(testing_support::PumpUntilQuit(Window(), 300));
    EXPECT_TRUE(IsWindowVisible(Window()));
    EXPECT_EQ(ThePlayerEngine().PlayerEngineReady, 1u);
    EXPECT_FALSE(engine.Called("Uninit"));
}

}  // namespace
