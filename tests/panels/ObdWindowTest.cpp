// The gauge window over a host standing in for the main window, showing
// the plain recording's OBD words: throttle 25 %, engine speed 25 (x100)
// and manifold pressure 110.
#include <gtest/gtest.h>

#include <cmath>

#include "panels/CObdDlg.h"
#include "panels/PanelMessages.h"
#include "panels/core/FrameData.h"
#include "support/MessagePump.h"
#include "support/PanelHost.h"

namespace {

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
        const auto& w = ReadFrameData(Records(), 10).obdWords;
        gauges.SetValues(w[kWordThrottle], w[kWordEngineSpeed], w[kWordManifold], w[kWordCoolant], w[kWordSpeed]);
    }
    void TearDown() override {
        gauges.DestroyWindow();
        PanelTest::TearDown();
    }
    bool NeedlesRest() const {
        for (int g = 0; g < CObdDlg::kGauges; ++g) {
            if (gauges.Needle(g).animating || !gauges.Needle(g).drawnOnce) return false;
        }
        return true;
    }

    CObdDlg gauges{engine};
};

TEST_F(ObdWindow, NeedlesSweepToTheRecordsValues) {
    ASSERT_TRUE(testing_support::PumpUntil([this] { return NeedlesRest(); }, 10000));
    EXPECT_EQ(gauges.Needle(0).shown, 25);
    EXPECT_EQ(gauges.Needle(2).shown, 110);
    EXPECT_EQ(gauges.WindowRect().left, 6);
    EXPECT_EQ(gauges.WindowRect().top, 407);

    testing_support::DibCanvas shot(640, 260, RGB(0, 0, 0));
    gauges.PaintGauges(shot.Dc());
    shot.SaveBmp(L"obd-gauges.bmp");
    // Each needle 40 pixels out along its angle: throttle and engine speed
    // at 311.5 degrees, the manifold straight up.
    for (int g = 0; g < CObdDlg::kGauges; ++g) {
        const double radians = NeedleAngle(g, gauges.Needle(g).shown) * 3.14159265358979 / 180.0;
        const int x = 2 + 212 * g + 105 + static_cast<int>(std::lround(40 * std::sin(radians)));
        const int y = gauges.GaugeTop() + kNeedlePivotY - static_cast<int>(std::lround(40 * std::cos(radians)));
        EXPECT_GT(testing_support::CountNear(shot, {x - 1, y - 1, x + 2, y + 2}, RGB(236, 92, 60), 30), 0) << g;
    }
}

TEST_F(ObdWindow, ListsChooseTheQuantityAndOpeningResetsThem) {
    SendMessageW(gauges.List(2), CB_SETCURSEL, kObdCoolantTemperature, 0);
    gauges.Send(WM_COMMAND, MAKEWPARAM(CObdDlg::kFirstListId + 2, CBN_SELCHANGE),
                reinterpret_cast<LPARAM>(gauges.List(2)));
    EXPECT_EQ(gauges.Quantity(2), kObdCoolantTemperature);
    EXPECT_EQ(gauges.Needle(2).shown, 0);
    gauges.Open(656, 253);
    for (int g = 0; g < CObdDlg::kGauges; ++g) EXPECT_EQ(gauges.Quantity(g), g);
    EXPECT_EQ(gauges.Needle(2).shown, 90);  // the manifold's resting value
}

TEST_F(ObdWindow, ListsGreyWhilePlayingAndClosingIsReportedOnce) {
    engine.EnginePlayState = PlayState::kPlaying;
    gauges.Send(WM_TIMER, CObdDlg::kFirstTimerId);
    for (int g = 0; g < CObdDlg::kGauges; ++g) EXPECT_FALSE(IsWindowEnabled(gauges.List(g)));
    engine.EnginePlayState = PlayState::kPaused;
    gauges.Send(WM_TIMER, CObdDlg::kFirstTimerId + 2);
    for (int g = 0; g < CObdDlg::kGauges; ++g) EXPECT_TRUE(IsWindowEnabled(gauges.List(g)));
    gauges.Send(WM_CLOSE);
    EXPECT_FALSE(gauges.IsVisible());
    EXPECT_EQ(testing_support::TakePosted(host->Handle(), WM_APP_OBD_CLOSED).message, WM_APP_OBD_CLOSED);
    EXPECT_EQ(testing_support::TakePosted(host->Handle(), WM_APP_OBD_CLOSED).message, static_cast<UINT>(WM_NULL));
}

}  // namespace
