// The gauge window over a host standing in for the main window, showing
// the plain recording's OBD words: throttle 25 %, engine speed 25 (x100),
// manifold pressure 110 and coolant 90 degrees.
#include <gtest/gtest.h>

#include <cmath>

#include "panels/CObdDlg.h"
#include "panels/PanelMessages.h"
#include "panels/core/FrameData.h"
#include "support/MessagePump.h"
#include "support/PanelHost.h"

namespace {

using testing_support::DibCanvas;

constexpr COLORREF kNeedle = RGB(236, 92, 60);

class ObdWindow : public testing_support::PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        ShowStandard("2401020304_A001.MOV");
        gauges.SetSkin(&skin);
        ASSERT_TRUE(gauges.CreateModeless(host->Handle()));
        gauges.parentWindow = host->Handle();
        gauges.Open(656, 253);
        gauges.Show(SW_SHOWNORMAL);
        const FrameData data = ReadFrameData(Records(), 10);
        const auto& w = data.obdWords;
        gauges.SetValues(w[kWordThrottle], w[kWordEngineSpeed], w[kWordManifold], w[kWordCoolant], w[kWordSpeed]);
    }
    void TearDown() override {
        gauges.DestroyWindow();
        PanelTest::TearDown();
    }

    bool NeedlesRest() const {
        for (int g = 0; g < CObdDlg::kGauges; ++g) {
            const GaugeNeedle& needle = gauges.Needle(g);
            if (needle.animating || !needle.drawnOnce) return false;
        }
        return true;
    }
    void SelectQuantity(int gauge, int quantity) {
        SendMessageW(gauges.List(gauge), CB_SETCURSEL, static_cast<WPARAM>(quantity), 0);
        gauges.Send(WM_COMMAND, MAKEWPARAM(CObdDlg::kFirstListId + gauge, CBN_SELCHANGE),
                    reinterpret_cast<LPARAM>(gauges.List(gauge)));
    }

    CObdDlg gauges{engine};
};

TEST_F(ObdWindow, NeedlesSweepToTheRecordsValues) {
    ASSERT_TRUE(testing_support::PumpUntil([this] { return NeedlesRest(); }, 10000));
    EXPECT_EQ(gauges.Needle(0).shown, 25);
    EXPECT_EQ(gauges.Needle(1).shown, 25);
    EXPECT_EQ(gauges.Needle(2).shown, 110);
    const RECT window = gauges.WindowRect();
    EXPECT_EQ(window.left, 6);
    EXPECT_EQ(window.top, 407);

    DibCanvas shot(640, 260, RGB(0, 0, 0));
    gauges.PaintGauges(shot.Dc());
    shot.SaveBmp(L"obd-gauges.bmp");
    // Each needle 40 pixels out along its angle: throttle and engine speed
    // at 311.5 degrees, the manifold straight up.
    const int top = gauges.GaugeTop();
    for (int g = 0; g < CObdDlg::kGauges; ++g) {
        const double radians = NeedleAngle(g, gauges.Needle(g).shown) * 3.14159265358979 / 180.0;
        const int x = 2 + 212 * g + 105 + static_cast<int>(std::lround(40 * std::sin(radians)));
        const int y = top + kNeedlePivotY - static_cast<int>(std::lround(40 * std::cos(radians)));
        EXPECT_GT(testing_support::CountNear(shot, {x - 1, y - 1, x + 2, y + 2}, kNeedle, 30), 0) << "gauge " << g;
    }
}

TEST_F(ObdWindow, ListsChooseTheQuantityAndOpeningResetsThem) {
    SelectQuantity(2, kObdCoolantTemperature);
    EXPECT_EQ(gauges.Quantity(2), kObdCoolantTemperature);
    EXPECT_EQ(gauges.Needle(2).shown, 0);
    gauges.Open(656, 253);
    for (int g = 0; g < CObdDlg::kGauges; ++g) {
        EXPECT_EQ(gauges.Quantity(g), g);
        EXPECT_EQ(SendMessageW(gauges.List(g), CB_GETCURSEL, 0, 0), g);
    }
    EXPECT_EQ(gauges.Needle(2).shown, 90);  // the manifold's resting value
}

TEST_F(ObdWindow, ListsGreyWhilePlayingAndClosingIsReportedOnce) {
    engine.EnginePlayState = PlayState::kPlaying;
    gauges.Send(WM_TIMER, CObdDlg::kFirstTimerId);
    for (int g = 0; g < CObdDlg::kGauges; ++g) EXPECT_FALSE(IsWindowEnabled(gauges.List(g)));
    engine.EnginePlayState = PlayState::kPaused;
    gauges.Send(WM_TIMER, CObdDlg::kFirstTimerId + 2);
    for (int g = 0; g < CObdDlg::kGauges; ++g) EXPECT_TRUE(IsWindowEnabled(gauges.List(g)));
    // Closing hides the window and tells the parent once.
    gauges.Send(WM_CLOSE);
    EXPECT_FALSE(gauges.IsVisible());
    EXPECT_EQ(testing_support::TakePosted(host->Handle(), WM_APP_OBD_CLOSED).message, WM_APP_OBD_CLOSED);
    EXPECT_EQ(testing_support::TakePosted(host->Handle(), WM_APP_OBD_CLOSED).message, static_cast<UINT>(WM_NULL));
}

}  // namespace
