// The map side of the main window: the bridge owns the map window the
// runtime allows and reports its page here; the connectivity monitor runs
// as long as the window.
#include <gtest/gtest.h>

#include <atomic>
#include <initializer_list>

#include "framework/DeviceContext.h"
#include "framework/Handles.h"
#include "map/MapMessages.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "support/MessagePump.h"

namespace {

using testing_support::MainWindowTest;
using testing_support::PumpPending;
using testing_support::PumpUntil;
using Access = CkadomirDlgTestAccess;

// The skin's pictures in the map's place.
constexpr int kNoMapImage = 164;
constexpr int kOfflineImage = 324;

// The map's place in the main window: the map window while the shown clip
// has a track to show, else a picture there. The bridge must always know
// whether the window shows, or it refuses to show it again.
class MainWindowMapArea : public MainWindowTest {
protected:
    void StartWithMonitor(std::initializer_list<const char*> recordings) {
        UseSourceFolder(Samples(), recordings);
        MainWindowSeams seams = Seams();
        seams.online.probe = [this] { return online.load(); };
        Start(std::move(seams));
        ASSERT_TRUE(PumpUntil([this] { return Bridge().Connection().Online(); }, 3000));
    }
    // The first clip open, its first fix shown: the map is up.
    void ShowATrack() {
        StartWithMonitor({"2401020304_A001.MOV", "2401020312_G002.MOV"});
        ASSERT_TRUE(OpenChosenClip());
        ASSERT_TRUE(MapVisible());
        ASSERT_TRUE(Bridge().MapShown());
    }
    CGoogleMapDlgWrap& Bridge() { return Access::MapBridge(*dialog); }
    bool MapVisible() const { return IsWindowVisible(Access::MapWindow(*dialog)) != FALSE; }
    bool BridgeAgrees() { return Bridge().MapShown() == MapVisible(); }
    bool Painted() const { return GetUpdateRect(Window(), nullptr, FALSE) == FALSE; }

    // Whether the screen shows the skin image over the map window's place,
    // sampled on a grid inside its frame.
    bool ShowsPicture(int imageId) const {
        const fw::Bitmap image(static_cast<HBITMAP>(
            LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(imageId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        if (!image) {
            ADD_FAILURE() << "no image " << imageId;
            return false;
        }
        const fw::MemoryDC imageDC(nullptr);
        const fw::SelectedObject selected(imageDC.Get(), image.Get());
        const fw::WindowDC screen(Window());
        const RECT place = ChildRect(Access::MapWindow(*dialog));
        constexpr int kSteps = 12;
        int differing = 0;
        for (int i = 1; i < kSteps; ++i) {
            for (int j = 1; j < kSteps; ++j) {
                const int x = (place.right - place.left) * i / kSteps;
                const int y = (place.bottom - place.top) * j / kSteps;
                differing += GetPixel(screen.Get(), place.left + x, place.top + y) != GetPixel(imageDC.Get(), x, y);
            }
        }
        return differing == 0;
    }

    std::atomic<bool> online{true};
};

TEST_F(MainWindowMapArea, AfterFullScreenTheMapComesBackAndTheBridgeKnowsWhetherItShows) {
    ShowATrack();
    dialog->ToggleFullScreen(1);
    ASSERT_EQ(Access::FullScreen(*dialog), 1);
    EXPECT_FALSE(MapVisible());
    EXPECT_TRUE(BridgeAgrees());

    dialog->ToggleFullScreen(1);
    ASSERT_EQ(Access::FullScreen(*dialog), 0);
    ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
    dialog->ShowFrameData(1);  // the next frame with a fix, as the tick shows it
    EXPECT_TRUE(MapVisible());
    EXPECT_TRUE(BridgeAgrees());
}

TEST_F(MainWindowMapArea, AnotherRowPutsTheMapAwayUntilItsClipShowsAFix) {
    ShowATrack();
    ClickRow(1);
    EXPECT_FALSE(MapVisible());
    EXPECT_TRUE(BridgeAgrees());
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_TRUE(MapVisible());
    EXPECT_TRUE(BridgeAgrees());
}

// Paused, no frame with a fix comes along to move the map.
TEST_F(MainWindowMapArea, TheWiderLayoutsPutTheMapAwayAtOnceAndTheSmallOneBringsItBack) {
    ShowATrack();
    Command(38002);
    Command(38002);
    ASSERT_EQ(block.EnginePlayState, PlayState::kPaused);
    for (int mode : {1, 2, 0}) {
        Command(16);
        ASSERT_EQ(Access::SizeMode(*dialog), mode);
        EXPECT_EQ(MapVisible(), mode == 0) << "size mode " << mode;
        EXPECT_TRUE(BridgeAgrees()) << "size mode " << mode;
    }
}

// A clip without a fix shows the "no map" picture; once the page has been
// seen and the monitor reports offline, the offline picture. Neither may
// be lost to a repaint.
TEST_F(MainWindowMapArea, RepaintsKeepThePictureInTheMapsPlace) {
    StartWithMonitor({"2401020320_M003.MOV"});
    ASSERT_TRUE(OpenChosenClip());
    ASSERT_FALSE(MapVisible());
    InvalidateRect(Window(), nullptr, TRUE);
    ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
    EXPECT_TRUE(ShowsPicture(kNoMapImage)) << "after a repaint";

    ShowWindow(Window(), SW_MINIMIZE);
    ASSERT_TRUE(PumpUntil([this] { return IsIconic(Window()) != FALSE; }));
    ShowWindow(Window(), SW_RESTORE);
    ASSERT_TRUE(PumpUntil([this] { return IsIconic(Window()) == FALSE && Painted(); }));
    EXPECT_TRUE(ShowsPicture(kNoMapImage)) << "after a minimise and restore";

    Bridge().OnInitHtml();
    PumpPending();
    online = false;
    ASSERT_TRUE(PumpUntil([this] { return !Bridge().Connection().Online(); }, 3000));
    InvalidateRect(Window(), nullptr, TRUE);
    ASSERT_TRUE(PumpUntil([this] { return Painted(); }));
    EXPECT_TRUE(ShowsPicture(kOfflineImage)) << "offline, after a repaint";
}

TEST_F(MainWindowTest, TheBridgeOwnsTheMapWindowAndItsPageReportsHere) {
    Start();
    CGoogleMapDlgWrap& bridge = Access::MapBridge(*dialog);
    ASSERT_NE(bridge.MapWindow(), nullptr);
    EXPECT_EQ(mapWindowBridge, &bridge);
    EXPECT_EQ(GetParent(Access::MapWindow(*dialog)), Window());

    bridge.OnInitHtml();
    MSG message;
    EXPECT_TRUE(PeekMessageW(&message, Window(), WM_APP_MAP_READY, WM_APP_MAP_READY, PM_REMOVE));
}

TEST_F(MainWindowTest, AWebViewRuntimeGetsTheWebViewMapWindow) {
    MainWindowSeams seams = Seams();
    seams.webViewRuntimeInstalled = [] { return true; };
    Start(std::move(seams));
    ASSERT_EQ(mapWindowKinds, std::vector<bool>{true});
    EXPECT_NE(Access::MapWindow(*dialog), nullptr);
}

TEST_F(MainWindowTest, WithoutAWebViewRuntimeTheBrowserControlMapWindowIsMade) {
    Start();
    EXPECT_EQ(mapWindowKinds, std::vector<bool>{false});
    EXPECT_NE(Access::MapWindow(*dialog), nullptr);
}

TEST_F(MainWindowTest, TheConnectivityMonitorRunsWhileTheWindowLives) {
    Start();
    CInetConnectionAsync& connection = Access::MapBridge(*dialog).Connection();
    ASSERT_NE(connection.MonitorThreadHandle(), nullptr);
    HANDLE copy = nullptr;
    ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), connection.MonitorThreadHandle(), GetCurrentProcess(), &copy,
                                SYNCHRONIZE, FALSE, 0));
    const fw::UniqueHandle monitor(copy);
    EXPECT_TRUE(testing_support::PumpUntil([&] { return connection.Online(); }, 3000));
    EXPECT_EQ(WaitForSingleObject(monitor.Get(), 0), static_cast<DWORD>(WAIT_TIMEOUT));

    ASSERT_TRUE(CloseFromSystemMenu());
    dialog->DestroyWindow();
    dialog.reset();
    EXPECT_EQ(WaitForSingleObject(monitor.Get(), 1000), WAIT_OBJECT_0);
}

}  // namespace
