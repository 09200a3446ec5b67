// The main window's size modes, full screen, zoom mode and dragging, read
// back from the windows themselves.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "ui/core/UiTextTable.h"

namespace {

using testing_support::MainWindowTest;
using Access = CkadomirDlgTestAccess;

std::string Text(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Where a size mode puts the children, and which it shows.
struct ModeLayout {
    int mode;
    RECT video, seek, info;
    bool infoShown, graphShown;
    int buttonTop;
    std::map<int, int> buttonLeft;  // shown buttons by index; every other one is hidden
    int nextSizeSlot;               // the size button's tooltip
};

std::map<int, int> AllButtons() {
    std::map<int, int> left;
    for (int k = 0; k < 14; ++k) left[k] = 20 + 47 * k + (k > 8 ? 30 : 0);
    return left;
}

const std::vector<ModeLayout> kLayouts = {
    {0, {6, 24, 662, 397}, {6, 397, 662, 407}, {6, 407, 662, 474}, true, true, 665, AllButtons(), 8},
    {1, {6, 24, 874, 517}, {6, 517, 874, 527}, {6, 527, 874, 660}, true, false, 664, AllButtons(), 7},
    // The information panel has its place over the video's foot but is
    // hidden; seven buttons close up, the zoom button into the seventh place.
    {2, {6, 24, 1114, 652}, {6, 652, 1114, 662}, {10, 648, 1110, 658}, false, false, 664,
     {{0, 20}, {1, 67}, {2, 114}, {3, 161}, {4, 208}, {5, 255}, {8, 302}}, 18},
};

class MainWindowLayout : public MainWindowTest {
protected:
    void Press(UINT id) const { SendMessageW(Window(), WM_COMMAND, id, 0); }
    RECT WindowRect() const {
        RECT r{};
        GetWindowRect(Window(), &r);
        return r;
    }
    HWND Info() const { return Access::InfoPanel(*dialog); }

    void ExpectLayout(const ModeLayout& l) const {
        SCOPED_TRACE("size mode " + std::to_string(l.mode));
        EXPECT_EQ(Access::SizeMode(*dialog), l.mode);
        EXPECT_EQ(Text(ChildRect(1000)), Text(l.video));
        EXPECT_EQ(Text(ChildRect(38100)), Text(l.seek));
        EXPECT_EQ(Text(ChildRect(Info())), Text(l.info));
        EXPECT_EQ(IsWindowVisible(Info()) != FALSE, l.infoShown);
        EXPECT_EQ(IsWindowVisible(Access::Graph(*dialog)) != FALSE, l.graphShown);
        EXPECT_EQ(Text(ChildRect(38101)), "1000,670-1100,690");
        EXPECT_EQ(Text(ChildRect(14)), "1064,0-1110,18");
        EXPECT_EQ(Text(ChildRect(16)), "1038,0-1064,18");
        EXPECT_EQ(Text(ChildRect(15)), "1012,0-1038,18");
        for (int k = 0; k < 14; ++k) {
            const auto shown = l.buttonLeft.find(k);
            EXPECT_EQ(IsWindowVisible(Child(38000 + k)) != FALSE, shown != l.buttonLeft.end()) << "button " << k;
            if (shown != l.buttonLeft.end()) {
                const int x = shown->second;
                EXPECT_EQ(Text(ChildRect(38000 + k)), Text({x, l.buttonTop, x + 32, l.buttonTop + 32})) << "button " << k;
            }
        }
        // The large layout's video takes the file panel's place.
        for (int id : {1001, 38300, 38500, 38700}) {
            EXPECT_EQ(IsWindowEnabled(Child(id)) != FALSE, l.mode != 2) << id;
            EXPECT_EQ(IsWindowVisible(Child(id)) != FALSE, l.mode != 2) << id;
        }
        EXPECT_EQ(ToolTipText(Child(16)), UiText(l.nextSizeSlot));
        EXPECT_EQ(Text(WindowRect()), Text(placed_));
    }

    // A clip whose data are open, 300 frames long, at its start.
    void OpenAClip() {
        Access::SetClipOpen(*dialog, 1);
        engine.frameCount = 300;
        engine.currentFrame = 0;
    }

    RECT placed_{};
};

TEST_F(MainWindowLayout, TheSizeCommandCyclesThroughTheThreeModesInPlace) {
    Start();
    placed_ = WindowRect();
    engine.Reset();
    for (int press = 1; press <= 3; ++press) {
        Press(16);
        const ModeLayout& layout = kLayouts[static_cast<size_t>(press % 3)];
        ExpectLayout(layout);
        RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        const LayoutPoint centre = ZoomCentre(layout.mode);
        EXPECT_EQ(engine.Lines("SetVideoZoom").back(),
                  "SetVideoZoom " + std::to_string(centre.x) + " " + std::to_string(centre.y) + " 0 0 1.0 0");
    }
    EXPECT_EQ(Text(ChildRect(Access::MapWindow(*dialog))), "662,24-1114,416");
}

TEST_F(MainWindowLayout, AWindowDraggedOffTheScreenComesBackOnTheNextSizeCommand) {
    Start();
    MoveWindow(Window(), -50, 500, 1120, 700, TRUE);
    Press(16);
    EXPECT_EQ(Text(WindowRect()), "0,324-1120,1024");
    placed_ = WindowRect();
    ExpectLayout(kLayouts[1]);
}

TEST_F(MainWindowLayout, FullScreenAndBackRestoresTheSizeModeAndItsRectangles) {
    Start();
    Press(16);
    placed_ = WindowRect();
    OpenAClip();
    engine.Reset();

    dialog->ToggleFullScreen(1);
    EXPECT_EQ(Access::FullScreen(*dialog), 1);
    const RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    EXPECT_EQ(Text(WindowRect()), Text(screen));
    EXPECT_EQ(Text(ChildRect(1000)), Text(screen));
    EXPECT_FALSE(GetWindowLongW(Child(1000), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    for (int id : {38100, 38101, 38000, 38002, 38013, 14, 15, 16}) {
        EXPECT_FALSE(IsWindowVisible(Child(id))) << id;
    }
    EXPECT_FALSE(IsWindowVisible(Info()));
    EXPECT_FALSE(IsWindowVisible(Child(1001)));
    // The user's keep-aspect setting ("on" by default) holds in full screen.
    EXPECT_EQ(engine.Lines("SetKeepAspect"), std::vector<std::string>{"SetKeepAspect 1"});
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    dialog->ToggleFullScreen(1);
    EXPECT_EQ(Access::FullScreen(*dialog), 0);
    EXPECT_TRUE(GetWindowLongW(Child(1000), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);
    ExpectLayout(kLayouts[1]);
    // The window stretches the video again, whatever the setting.
    EXPECT_EQ(engine.Lines("SetKeepAspect").back(), "SetKeepAspect 0");
    EXPECT_EQ(engine.Lines("SetVideoZoom").back(), "SetVideoZoom 434 246 0 0 1.0 0");
}

TEST_F(MainWindowLayout, FullScreenNeedsAClipAwayFromItsEnd) {
    Start();
    placed_ = WindowRect();
    struct Case {
        int clipOpen;
        int64_t frames;
        int32_t position;
        int toggle;
        int entered;
    };
    const Case cases[] = {
        {1, 300, 289, 1, 1},  // 11 frames left
        {1, 300, 290, 1, 0},  // 10 frames left
        {0, 0, 0, 1, 0},      // nothing loaded
        {1, 300, 0, 0, 0},    // only a forced leave asks with 0
    };
    for (const Case& c : cases) {
        Access::SetClipOpen(*dialog, c.clipOpen);
        engine.frameCount = c.frames;
        engine.currentFrame = c.position;
        dialog->ToggleFullScreen(c.toggle);
        EXPECT_EQ(Access::FullScreen(*dialog), c.entered) << c.position << " of " << c.frames;
        if (Access::FullScreen(*dialog)) {
            dialog->ToggleFullScreen(1);
        }
    }
    ExpectLayout(kLayouts[0]);
}

// The medium's loss, or the end of the last folder, leaves full screen with
// 0 once the clip is closed.
TEST_F(MainWindowLayout, AForcedLeaveWithoutAClipRestoresTheWindow) {
    Start();
    placed_ = WindowRect();
    OpenAClip();
    dialog->ToggleFullScreen(1);
    ASSERT_EQ(Access::FullScreen(*dialog), 1);
    dialog->ToggleFullScreen(0);
    EXPECT_EQ(Access::FullScreen(*dialog), 1) << "a clip is still open";
    Access::SetClipOpen(*dialog, 0);
    engine.frameCount = 0;
    dialog->ToggleFullScreen(0);
    EXPECT_EQ(Access::FullScreen(*dialog), 0);
    ExpectLayout(kLayouts[0]);
}

TEST_F(MainWindowLayout, ZoomModeTakesTheFilePanelAndLeavingItResetsTheZoom) {
    Start();
    dialog->SetZoomMode(1);
    EXPECT_EQ(Access::ZoomMode(*dialog), 1);
    EXPECT_TRUE(Access::FilePanel(*dialog).ZoomMode());
    EXPECT_FALSE(IsWindowEnabled(Child(1001)));
    EXPECT_FALSE(IsWindowEnabled(Child(38300)));
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);

    dialog->SetZoomMode(0);
    EXPECT_EQ(Access::ZoomMode(*dialog), 0);
    EXPECT_FALSE(Access::FilePanel(*dialog).ZoomMode());
    EXPECT_TRUE(IsWindowEnabled(Child(1001)));
    EXPECT_EQ(Access::ZoomScale(*dialog), 1.0f);
    EXPECT_EQ(Access::ZoomCentre(*dialog), (LayoutPoint{328, 186}));
    EXPECT_EQ(Access::ZoomPan(*dialog), (LayoutPoint{0, 0}));
}

TEST_F(MainWindowLayout, OnlyThePaintedTitleBandDragsTheWindowAndNotWhileBusy) {
    Start();
    const RECT start = WindowRect();
    const auto drag = [&](int y) {
        SendMessageW(Window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, y));
        SendMessageW(Window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(130, y + 20));
        SendMessageW(Window(), WM_LBUTTONUP, 0, MAKELPARAM(130, y + 20));
        const RECT now = WindowRect();
        return std::to_string(now.left - start.left) + "," + std::to_string(now.top - start.top);
    };
    EXPECT_EQ(drag(24), "0,0");
    Access::SetBusy(*dialog, 1);
    EXPECT_EQ(drag(23), "0,0");
    Access::SetBusy(*dialog, 0);
    EXPECT_EQ(drag(23), "30,20");
    EXPECT_EQ(GetCapture(), nullptr);
    // Where it was dropped is where the next layout puts it.
    placed_ = WindowRect();
    SendMessageW(Window(), WM_COMMAND, 16, 0);
    EXPECT_EQ(Text(WindowRect()), Text(placed_));
}

}  // namespace
