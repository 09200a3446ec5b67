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

constexpr RECT kPanelPlace{6, 407, 662, 474};
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreen = RGB(0, 255, 0);
constexpr int kTolerance = 60;

class InfoPanel : public testing_support::PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        ShowStandard("2401020304_A001.MOV");
        ASSERT_TRUE(panel.CreateModeless(host->Handle()));
        panel.Move(kPanelPlace);
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

    void ShowFrame(int frame) {
        const FrameData data = ReadFrameData(Records(), frame);
        panel.gx = data.gx;
        panel.gy = data.gy;
        panel.gz = data.gz;
        panel.speed = data.speed;
        panel.gpsValid = static_cast<int>(data.gpsValid);
        panel.frameIndex = frame;
        panel.Redraw();
    }

    CInfoDlg panel;
};

TEST_F(InfoPanel, ShowsTheFramesValuesWhereTheyBelong) {
    ShowFrame(FrameOfEntry(40));
    DibCanvas shot(656, 67);
    Capture(panel.Handle(), shot, L"info-screenshot");
    // The X axis: its Japanese label and its value in green.
    EXPECT_GT(CountNear(shot, {48, 25, 76, 45}, kGreen, kTolerance), 10);
    EXPECT_GT(CountNear(shot, {48, 47, 106, 65}, kGreen, kTolerance), 10);
    // Date and time at the top right, the speed at the bottom right.
    EXPECT_GT(CountNear(shot, {454, 3, 644, 22}, kWhite, 0), 20);
    EXPECT_GT(CountNear(shot, {574, 46, 622, 67}, kWhite, 0), 5);
    // The toggles show through the panel's own painting.
    for (int k = 0; k < CInfoDlg::kToggleCount; ++k) {
        EXPECT_NE(shot.Pixel(32 + 120 * k, 36), RGB(255, 0, 255));
        EXPECT_TRUE(IsWindowVisible(panel.Toggle(k)));
    }
}

// A number text can read as infinity or NaN: the panel shows "no value".
TEST_F(InfoPanel, ValuesThatAreNotFiniteShowAsNoValue) {
    DibCanvas none(656, 67);
    DibCanvas read(656, 67);
    panel.Redraw();
    Capture(panel.Handle(), none, L"info-no-value");
    panel.gx = HUGE_VAL;
    panel.gy = -HUGE_VAL;
    panel.gz = std::nan("");
    panel.Redraw();
    Capture(panel.Handle(), read, L"info-non-finite");
    for (int x = 0; x < 656; ++x) {
        for (int y = 0; y < 67; ++y) ASSERT_EQ(read.Pixel(x, y), none.Pixel(x, y)) << x << "," << y;
    }
}

TEST_F(InfoPanel, TogglesPostTheirNewStates) {
    for (int click = 0; click < 2; ++click) {
        panel.Send(WM_COMMAND, MAKEWPARAM(CInfoDlg::kFirstToggleId + 1, BN_CLICKED),
                   reinterpret_cast<LPARAM>(panel.Toggle(1)));
    }
    const MSG off = testing_support::TakePosted(host->Handle(), WM_APP_INFO_TOGGLE);
    const MSG on = testing_support::TakePosted(host->Handle(), WM_APP_INFO_TOGGLE);
    EXPECT_EQ(off.wParam, 1u);
    EXPECT_EQ(off.lParam, 0);
    EXPECT_EQ(on.wParam, 1u);
    EXPECT_EQ(on.lParam, 1);
    EXPECT_TRUE(panel.ToggleOn(1));
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
    ShowFrame(FrameOfEntry(40));
    panel.DrawPanel(dc.Get());
    panel.frameIndex = -1;
    panel.gpsValid = 0;
    panel.DrawPanel(dc.Get());
    Capture(host->Handle(), after, L"info-strip-after");
    for (int k = 0; k < CInfoDlg::kToggleCount; ++k) EXPECT_FALSE(IsWindowVisible(panel.Toggle(k)));
    for (int x = 370; x < 960; ++x) {
        for (int y = 666; y < 696; ++y) ASSERT_EQ(after.Pixel(x, y), fresh.Pixel(x, y)) << x << "," << y;
    }
}

}  // namespace
