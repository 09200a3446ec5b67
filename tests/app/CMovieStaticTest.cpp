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
    void OnZoomAtPoint(UINT, POINT p) override {
        calls.push_back("zoom " + std::to_string(p.x) + " " + std::to_string(p.y));
    }
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
    void Click(int x, int y) {
        Send(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    void DoubleClick(int x, int y) {
        Click(x, y);
        Send(WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(x, y));
        Send(WM_LBUTTONUP, 0, MAKELPARAM(x, y));
    }
    testing_support::HostWindow host;
    OwnerLog owner;
    CMovieStatic surface;
};

TEST_F(VideoSurface, AClickZoomsAtItsPressOnceTheDoubleClickTimeHasPassed) {
    Click(40, 30);
    EXPECT_TRUE(owner.calls.empty());
    Send(WM_TIMER, CMovieStatic::kTimerClick);
    EXPECT_EQ(owner.calls, std::vector<std::string>{"zoom 40 30"});
    EXPECT_EQ(GetCapture(), surface.Handle());
    Send(WM_TIMER, CMovieStatic::kTimerRelease);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(VideoSurface, ADoubleClickTogglesFullScreenAndNeverZooms) {
    // No click of the pair is left to zoom, and the release that ends the
    // double click starts nothing.
    const auto clickTimersArmed = [&] {
        const bool click = KillTimer(surface.Handle(), CMovieStatic::kTimerClick) != FALSE;
        const bool release = KillTimer(surface.Handle(), CMovieStatic::kTimerRelease) != FALSE;
        return click || release;
    };
    DoubleClick(40, 30);
    EXPECT_FALSE(clickTimersArmed());
    owner.mayEnter = false;
    Send(WM_TIMER, CMovieStatic::kTimerGuard);
    DoubleClick(40, 30);
    EXPECT_FALSE(clickTimersArmed());
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"full screen 1", "full screen 0"}));

    // In the zoom mode a double click does nothing at all.
    owner.calls.clear();
    Send(WM_TIMER, CMovieStatic::kTimerGuard);
    surface.zoomMode = 1;
    DoubleClick(40, 30);
    EXPECT_FALSE(clickTimersArmed());
    EXPECT_TRUE(owner.calls.empty());
}

TEST_F(VideoSurface, TheZoomCursorShowsOnlyInTheZoomMode) {
    const LPARAM overClient = MAKELPARAM(HTCLIENT, WM_MOUSEMOVE);
    const HCURSOR zoom = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(CMovieStatic::kZoomCursorId));
    ASSERT_NE(zoom, nullptr);
    SendMessageW(surface.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(surface.Handle()), overClient);
    EXPECT_NE(GetCursor(), zoom);
    surface.zoomMode = 1;
    EXPECT_EQ(SendMessageW(surface.Handle(), WM_SETCURSOR, reinterpret_cast<WPARAM>(surface.Handle()), overClient),
              TRUE);
    EXPECT_EQ(GetCursor(), zoom);
}

TEST_F(VideoSurface, ThePlayersEventsReachTheOwnerWithTheirParameters) {
    Send(WM_PLAYER_PAUSED, 1, 2);
    Send(WM_PLAYER_ENDED, 1, 2);
    Send(WM_PLAYER_READY, 3, 4);
    Send(WM_APP_GRAPH_EVENT);
    Send(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(surface.Handle()), MAKELPARAM(5, 5));
    EXPECT_EQ(owner.calls, (std::vector<std::string>{"ended 3", "ready 7", "graph", "menu"}));
}

}  // namespace
