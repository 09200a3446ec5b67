// The information panel on the screen with the plain continuous recording's
// records, in the small layout and as the large layout's status strip.
#include <gtest/gtest.h>

#include <cmath>

#include "framework/DeviceContext.h"
#include "panels/CInfoDlg.h"
#include "panels/PanelMessages.h"
#include "panels/core/FrameData.h"
#include "support/PanelHost.h"

namespace {

using testing_support::CountNear;
using testing_support::DibCanvas;

constexpr COLORREF kWhite = RGB(255, 255, 255);

class InfoPanel : public testing_support::PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        ShowStandard("2401020304_A001.MOV");
        ASSERT_TRUE(panel.CreateModeless(host->Handle()));
        panel.Move({6, 407, 662, 474});
        panel.SetSurface(&surface, &skin);
        panel.Show(SW_SHOW);
        panel.startTime = {2024, 1, 0, 2, 3, 4, 5, 0};
        panel.dateTimeFlag = 1;
        panel.frameDuration = engine.frameDuration;
    }
    void TearDown() override {
        panel.DestroyWindow();
        PanelTest::TearDown();
    }
    void SetFrame(int frame) {
        const FrameData data = ReadFrameData(Records(), frame);
        panel.gx = data.gx;
        panel.gy = data.gy;
        panel.gz = data.gz;
        panel.speed = data.speed;
        panel.gpsValid = static_cast<int>(data.gpsValid);
        panel.frameIndex = frame;
    }
    bool Same(const DibCanvas& a, const DibCanvas& b, const RECT& r) const {
        for (int x = r.left; x < r.right; ++x) {
            for (int y = r.top; y < r.bottom; ++y) {
                if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
            }
        }
        return true;
    }

    CInfoDlg panel;
};

TEST_F(InfoPanel, ShowsTheFramesValuesWhereTheyBelong) {
    SetFrame(FrameOfEntry(40));
    panel.Redraw();
    DibCanvas shot(656, 67);
    Capture(panel.Handle(), shot, L"info-screenshot");
    // The X axis: its Japanese label and its value in green.
    EXPECT_GT(CountNear(shot, {48, 25, 76, 45}, RGB(0, 255, 0), 60), 10);
    EXPECT_GT(CountNear(shot, {48, 47, 106, 65}, RGB(0, 255, 0), 60), 10);
    // Date and time at the top right, the speed at the bottom right.
    EXPECT_GT(CountNear(shot, {454, 3, 644, 22}, kWhite, 0), 20);
    EXPECT_GT(CountNear(shot, {574, 46, 622, 67}, kWhite, 0), 5);
    for (int k = 0; k < CInfoDlg::kToggleCount; ++k) {
        EXPECT_NE(shot.Pixel(32 + 120 * k, 36), RGB(255, 0, 255));  // the toggles show through
    }

    // A number text read as infinity or NaN shows as "no value".
    panel.gx = panel.gy = panel.gz = kNoGValue;
    panel.Redraw();
    Capture(panel.Handle(), shot, L"info-no-value");
    DibCanvas nonFinite(656, 67);
    panel.gx = HUGE_VAL;
    panel.gy = -HUGE_VAL;
    panel.gz = std::nan("");
    panel.Redraw();
    Capture(panel.Handle(), nonFinite, L"info-non-finite");
    EXPECT_TRUE(Same(shot, nonFinite, {0, 0, 656, 67}));
}

TEST_F(InfoPanel, TogglesPostTheirNewStates) {
    for (int click = 0; click < 2; ++click) {
        panel.Send(WM_COMMAND, MAKEWPARAM(CInfoDlg::kFirstToggleId + 1, BN_CLICKED),
                   reinterpret_cast<LPARAM>(panel.Toggle(1)));
    }
    for (LPARAM state : {0, 1}) {
        const MSG posted = testing_support::TakePosted(host->Handle(), WM_APP_INFO_TOGGLE);
        EXPECT_EQ(posted.wParam, 1u);
        EXPECT_EQ(posted.lParam, state);
    }
}

// Each tick repaints the whole strip: a frame without data after one with
// data looks as if the first had never been drawn.
TEST_F(InfoPanel, LargeLayoutRepaintsItsStatusStripWhole) {
    panel.layoutMode = 2;
    panel.Show(SW_HIDE);
    const fw::WindowDC dc(host->Handle());
    DibCanvas fresh(1120, 700);
    DibCanvas after(1120, 700);
    panel.DrawPanel(dc.Get());
    Capture(host->Handle(), fresh, L"info-strip-fresh");
    SetFrame(FrameOfEntry(40));
    panel.DrawPanel(dc.Get());
    panel.frameIndex = -1;
    panel.gpsValid = 0;
    panel.DrawPanel(dc.Get());
    Capture(host->Handle(), after, L"info-strip-after");
    for (int k = 0; k < CInfoDlg::kToggleCount; ++k) EXPECT_FALSE(IsWindowVisible(panel.Toggle(k)));
    EXPECT_TRUE(Same(fresh, after, {370, 666, 960, 696}));
}

}  // namespace
