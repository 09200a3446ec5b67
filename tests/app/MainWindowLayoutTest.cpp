// The main window's size modes, full screen, zoom mode and dragging, read
// back from the windows themselves.
#include <gtest/gtest.h>

#include <array>
#include <string>

#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "ui/core/UiTextTable.h"

namespace {

using Access = CkadomirDlgTestAccess;

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Where a size mode puts the children, and which it shows.
struct ModeLayout {
    RECT video, seek, info;
    bool infoShown, graphShown;
    int buttonTop;
    std::array<int, 14> buttonLeft;  // -1: hidden
    int nextSizeSlot;                // the size button's tooltip
};

constexpr std::array<int, 14> kAllButtons{20, 67, 114, 161, 208, 255, 302, 349, 396, 473, 520, 567, 614, 661};
const ModeLayout kLayouts[] = {
    {{6, 24, 662, 397}, {6, 397, 662, 407}, {6, 407, 662, 474}, true, true, 665, kAllButtons, 8},
    {{6, 24, 874, 517}, {6, 517, 874, 527}, {6, 527, 874, 660}, true, false, 664, kAllButtons, 7},
    // The information panel has its place over the video's foot but is
    // hidden; seven buttons close up, the zoom button into the seventh place.
    {{6, 24, 1114, 652}, {6, 652, 1114, 662}, {10, 648, 1110, 658}, false, false, 664,
     {20, 67, 114, 161, 208, 255, -1, -1, 302, -1, -1, -1, -1, -1}, 18},
};

class MainWindowLayout : public testing_support::MainWindowTest {
protected:
    RECT Placed() const {
        RECT r{};
        GetWindowRect(Window(), &r);
        return r;
    }
    HWND Info() const { return Access::InfoPanel(*dialog); }

    void ExpectLayout(int mode, const RECT& placed) const {
        const ModeLayout& l = kLayouts[mode];
        SCOPED_TRACE("size mode " + std::to_string(mode));
        EXPECT_EQ(Access::SizeMode(*dialog), mode);
        EXPECT_EQ(Text(Placed()), Text(placed));
        EXPECT_EQ(Text(ChildRect(1000)), Text(l.video));
        EXPECT_EQ(Text(ChildRect(38100)), Text(l.seek));
        EXPECT_EQ(Text(ChildRect(Info())), Text(l.info));
        EXPECT_EQ(IsWindowVisible(Info()) != FALSE, l.infoShown);
        EXPECT_EQ(IsWindowVisible(Access::Graph(*dialog)) != FALSE, l.graphShown);
        EXPECT_EQ(Text(ChildRect(38101)) + " " + Text(ChildRect(14)) + " " + Text(ChildRect(16)) + " " +
                      Text(ChildRect(15)),
                  "1000,670-1100,690 1064,0-1110,18 1038,0-1064,18 1012,0-1038,18");
        for (int k = 0; k < 14; ++k) {
            const int x = l.buttonLeft[k];
            EXPECT_EQ(IsWindowVisible(Child(38000 + k)) != FALSE, x >= 0) << "button " << k;
            if (x >= 0) {
                EXPECT_EQ(Text(ChildRect(38000 + k)), Text({x, l.buttonTop, x + 32, l.buttonTop + 32})) << k;
            }
        }
        // The large layout's video takes the file panel's place.
        for (int id : {1001, 38300, 38500, 38700}) {
            EXPECT_EQ(IsWindowVisible(Child(id)) != FALSE && IsWindowEnabled(Child(id)) != FALSE, mode != 2) << id;
        }
        EXPECT_EQ(ToolTipText(Child(16)), UiText(l.nextSizeSlot));
    }

    // A clip whose data are open, `position` frames into its 300.
    void OpenAClip(int position) {
        Access::SetClipOpen(*dialog, 1);
        engine.frameCount = 300;
        engine.currentFrame = position;
    }
};

TEST_F(MainWindowLayout, TheSizeCommandCyclesThroughTheModesKeepingTheWindowOnTheScreen) {
    Start();
    MoveWindow(Window(), -50, 500, 1120, 700, TRUE);
    const RECT pulledBack{0, 324, 1120, 1024};
    engine.Reset();
    for (int mode : {1, 2, 0}) {
        SendMessageW(Window(), WM_COMMAND, 16, 0);
        ExpectLayout(mode, pulledBack);
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const LayoutPoint centre = ZoomCentre(mode);
        EXPECT_EQ(engine.Lines("SetVideoZoom").back(),
                  "SetVideoZoom " + std::to_string(centre.x) + " " + std::to_string(centre.y) + " 0 0 1.0 0");
    }
    EXPECT_EQ(Text(ChildRect(Access::MapWindow(*dialog))), "662,24-1114,416");
}

TEST_F(MainWindowLayout, FullScreenAndBackRestoresTheSizeModeAndItsRectangles) {
    Start();
    SendMessageW(Window(), WM_COMMAND, 16, 0);
    const RECT placed = Placed();
    // Not for the last ten frames of a clip, nor without one.
    OpenAClip(290);
    dialog->ToggleFullScreen(1);
    ASSERT_EQ(Access::FullScreen(*dialog), 0);
    Access::SetClipOpen(*dialog, 0);
    engine.frameCount = 0;
    dialog->ToggleFullScreen(1);
    ASSERT_EQ(Access::FullScreen(*dialog), 0);

    OpenAClip(289);
    engine.Reset();
    dialog->ToggleFullScreen(1);
    ASSERT_EQ(Access::FullScreen(*dialog), 1);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_EQ(Text(Placed()) + " " + Text(ChildRect(1000)), Text(screen) + " " + Text(screen));
    EXPECT_FALSE(GetWindowLongW(Child(1000), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    for (HWND hidden : {Child(38100), Child(38101), Child(38000), Child(38013), Child(14), Child(16), Child(1001), Info()}) {
        EXPECT_FALSE(IsWindowVisible(hidden));
    }
    // The user's keep-aspect setting ("on" by default) holds in full screen.
    EXPECT_EQ(engine.Lines("SetKeepAspect"), std::vector<std::string>{"SetKeepAspect 1"});
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    dialog->ToggleFullScreen(0);
    EXPECT_EQ(Access::FullScreen(*dialog), 1) << "only a forced leave without a clip asks with 0";

    dialog->ToggleFullScreen(1);
    EXPECT_EQ(Access::FullScreen(*dialog), 0);
    EXPECT_TRUE(GetWindowLongW(Child(1000), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    ExpectLayout(1, placed);
    // The window stretches the video again, whatever the setting.
    EXPECT_EQ(engine.Lines("SetKeepAspect").back(), "SetKeepAspect 0");
    EXPECT_EQ(engine.Lines("SetVideoZoom").back(), "SetVideoZoom 434 246 0 0 1.0 0");

    // The end of the last folder leaves with 0 once the clip is closed.
    dialog->ToggleFullScreen(1);
    Access::SetClipOpen(*dialog, 0);
    dialog->ToggleFullScreen(0);
    EXPECT_EQ(Access::FullScreen(*dialog), 0);
    ExpectLayout(1, placed);
}

TEST_F(MainWindowLayout, ZoomModeTakesTheFilePanelAndLeavingItResetsTheZoom) {
    Start();
    dialog->SetZoomMode(1);
    EXPECT_EQ(Access::ZoomMode(*dialog), 1);
    EXPECT_FALSE(IsWindowEnabled(Child(1001)));
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    dialog->SetZoomMode(0);
    EXPECT_EQ(Access::ZoomMode(*dialog), 0);
    EXPECT_TRUE(IsWindowEnabled(Child(1001)));
    EXPECT_EQ(Access::ZoomScale(*dialog), 1.0f);
    EXPECT_EQ(Access::ZoomCentre(*dialog), (LayoutPoint{328, 186}));
}

TEST_F(MainWindowLayout, OnlyThePaintedTitleBandDragsTheWindowAndNotWhileBusy) {
    Start();
    const RECT start = Placed();
    const auto drag = [&](int y) {
        SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, y));
        SendMessageW(Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, y + 20));
        SendMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(130, y + 20));
        return std::to_string(Placed().left - start.left) + "," + std::to_string(Placed().top - start.top);
    };
    EXPECT_EQ(drag(24), "0,0");
    Access::SetBusy(*dialog, 1);
    EXPECT_EQ(drag(23), "0,0");
    Access::SetBusy(*dialog, 0);
    EXPECT_EQ(drag(23), "30,20");
    EXPECT_EQ(GetCapture(), nullptr);
    // Where it was dropped is where the next layout puts it.
    const RECT dropped = Placed();
    SendMessageW(Window(), WM_COMMAND, 16, 0);
    EXPECT_EQ(Text(Placed()), Text(dropped));
}

}  // namespace
