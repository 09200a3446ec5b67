// The map side of the main window: the bridge owns the map window the
// runtime allows and reports its page here; the connectivity monitor runs
// as long as the window.
#include <gtest/gtest.h>

#include "map/MapMessages.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "support/MessagePump.h"

namespace {

using testing_support::MainWindowTest;
using Access = CkadomirDlgTestAccess;

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
