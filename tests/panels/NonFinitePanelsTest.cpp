// A recording whose G texts read as infinity and NaN, shown by the panels:
// the values are out of range, never numbers drawn from garbage.
#include <gtest/gtest.h>

#include "ReaderTestSupport.h"
#include "panels/CGSensorDlg.h"
#include "panels/CInfoDlg.h"
#include "panels/CObdDlg.h"
#include "panels/core/FrameData.h"
#include "support/PanelHost.h"
#include "support/PanelRecords.h"

namespace {

using testing_support::DibCanvas;

constexpr int kFrames = 35;
// The three value fields of the small layout.
constexpr RECT kValueFields[3] = {{48, 47, 106, 65}, {168, 47, 226, 65}, {288, 47, 346, 65}};

class NonFinitePanels : public testing_support::PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        files.Add(kPath, testing_support::NonFiniteRecording());
        Show(kPath, kFrames, testing_support::RecipeFrameDuration(testing_support::NonFiniteRecipe()));
    }

    static constexpr wchar_t kPath[] = L"memory/2401020340_G009.MOV";
    MemoryFiles files;
};

bool SamePixels(const DibCanvas& a, const DibCanvas& b, const RECT& area) {
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            if (a.Pixel(x, y) != b.Pixel(x, y)) return false;
        }
    }
    return true;
}

TEST_F(NonFinitePanels, InfoPanelShowsThemAsNoValue) {
    CInfoDlg panel;
    ASSERT_TRUE(panel.CreateModeless(host->Handle()));
    panel.Move({6, 407, 662, 474});
    panel.SetSurface(&surface, &skin);
    panel.Show(SW_SHOW);
    const FrameData data = ReadFrameData(Records(), FrameOfEntry(3));
    ASSERT_FALSE(std::isfinite(data.gx) || std::isfinite(data.gy) || std::isfinite(data.gz));
    panel.gx = data.gx;
    panel.gy = data.gy;
    panel.gz = data.gz;
    panel.Redraw();
    DibCanvas read(656, 67);
    Capture(panel.Handle(), read, L"info-non-finite");
    panel.gx = panel.gy = panel.gz = kNoGValue;
    panel.Redraw();
    DibCanvas none(656, 67);
    Capture(panel.Handle(), none, L"info-no-value");
    for (const RECT& field : kValueFields) {
        EXPECT_TRUE(SamePixels(read, none, field)) << field.left;
    }
    panel.DestroyWindow();
}

TEST_F(NonFinitePanels, GraphPinsThemToItsLimitAndGaugesTakeTheRest) {
    CGSensorDlg graph(engine);
    ASSERT_TRUE(graph.CreateModeless(host->Handle()));
    graph.Move({0, 0, 656, 186});
    graph.SetSurface(&surface);
    graph.leftMargin = 50;
    graph.tileStep = graph.BackgroundWidth() - 50;
    graph.positionRange = kFrames;
    graph.clipOpen = 1;
    graph.eventClip = 1;
    graph.Show(SW_SHOW);
    CObdDlg gauges(engine);
    gauges.SetSkin(&skin);
    ASSERT_TRUE(gauges.CreateModeless(host->Handle()));
    gauges.Open(656, 253);
    for (int frame = 0; frame < kFrames; ++frame) {
        graph.position = frame;
        graph.Redraw();
        const auto& w = ReadFrameData(Records(), frame).obdWords;
        gauges.SetValues(w[kWordThrottle], w[kWordEngineSpeed], w[kWordManifold], w[kWordCoolant], w[kWordSpeed]);
        gauges.Redraw(RDW_INVALIDATE | RDW_UPDATENOW);
    }
    DibCanvas shot(656, 186);
    Capture(graph.Handle(), shot, L"graph-non-finite");
    // Entry 3's X value is +infinity: the curve leaves it at the graph's top.
    const int column = 50 + static_cast<int>(FrameOfEntry(3) * graph.GetPixelsPerFrame());
    EXPECT_EQ(GetGValue(shot.Pixel(column, 0)), 255);
    gauges.DestroyWindow();
    graph.DestroyWindow();
}

}  // namespace
