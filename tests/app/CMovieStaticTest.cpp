// The video surface: clicks, double clicks and the player's events reach
// its owner as the click rules say. Mouse messages are sent directly and
// its timers fired by hand, so no double-click timing is involved.
#include "app/CMovieStatic.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/MainWindowMessages.h"
#include "support/HostWindow.h"

namespace {

class OwnerLog : public VideoSurfaceOwner {
public:
    void OnVideoContextMenu(POINT, HWND) override { calls.push_back("menu"); }
    void OnZoomAtPoint(UINT, POINT p) override { calls.push_back("zoom " + std::to_string(p.x)); }
    void OnClipEnded(WPARAM w, LPARAM l) override { calls.push_back("ended " + std::to_string(w + l)); }
    void OnLoadClipData(WPARAM w, LPARAM l) override { calls.push_back("ready " + std::to_string(w + l)); }
    void OnGraphEvent(WPARAM, LPARAM) override { calls.push_back("graph"); }
    void ToggleFullScreen(int toggle) override { calls.push_back("full screen " + std::to_string(toggle)); }
    bool MayEnterFullScreen() const override { return mayEnter; }
    std::vector<std::string> calls;
    bool mayEnter = true;
};

class VideoSurface : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(surface.Create(&owner, host.Handle(), {0, 0, 320, 180})); }
    void Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        SendMessageW(surface.Handle(), message, wParam, lParam);
    }
    void Click(int x) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 30));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x, 30));
    }
    // The second press of a double click arrives as WM_LBUTTONDBLCLK.
    void DoubleClick(int x) {
        Click(x);
        Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, 30));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x, 30));
    }
    bool ClickTimersArmed() {
        const bool click = KillTimer(surface.Handle(), CMovieStatic::kTimerClick) != FALSE;
        return KillTimer(surface.Handle(), CMovieStatic::kTimerRelease) != FALSE || click;
    }
    testing_support::HostWindow host;
    OwnerLog owner;
    CMovieStatic surface;
};

TEST_F(VideoSurface, AClickZoomsAtItsPressOnceTheDoubleClickTimeHasPassed) {
    Click(40);
    EXPECT_TRUE(owner.calls.empty());
    Send(WM_TIMER, CMovieStatic::kTimerClick);
    EXPECT_EQ(owner.calls, std::vector<std::string>{"zoom 40"});
    EXPECT_EQ(GetCapture(), surface.Handle());
    Send(WM_TIMER, CMovieStatic::kTimerRelease);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(VideoSurface, ADoubleClickTogglesFullScreenAndNeverZooms) {
    DoubleClick(40);
    EXPECT_FALSE(ClickTimersArmed());  // nothing left to zoom, and the last release starts nothing
    owner.mayEnter = false;
    Send(WM_TIMER, CMovieStatic::kTimerGuard);
    DoubleClick(40);
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"full screen 1", "full screen 0"}));
    // In the zoom mode a double click does nothing at all.
    owner.calls.clear();
    Send(WM_TIMER, CMovieStatic::kTimerGuard);
    surface.zoomMode = 1;
    DoubleClick(40);
    EXPECT_FALSE(ClickTimersArmed());
    EXPECT_TRUE(owner.calls.empty());
}

TEST_F(VideoSurface, ThePlayersEventsReachTheOwner) {
    Send(WM_PLAYER_PAUSED, 1, 2);
    Send(WM_PLAYER_ENDED, 1, 2);
    Send(WM_PLAYER_READY, 3, 4);
    Send(WM_APP_GRAPH_EVENT);
    Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(surface.Handle()), MAKELPARAM(5, 5));
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"ended 3", "ready 7", "graph", "menu"}));
}

}  // namespace
