// The G-sensor graph on the screen, drawing the plain continuous recording:
// its events at entries 12 (kind 5), 30 (kind 10), 31 (kind 11 with the
// detection flag) and 45 (kind 6), and kind 9 given to entry 20 here.
#include <gtest/gtest.h>

#include "panels/CGSensorDlg.h"
#include "panels/PanelMessages.h"
#include "support/PanelHost.h"

namespace {

using testing_support::CloseColour;
using testing_support::CountNear;

constexpr int kMargin = 50;
constexpr int kWidth = 656;
constexpr int kHeight = 186;
constexpr COLORREF kWhite = RGB(255, 255, 255);

class GraphWindow : public testing_support::PanelTest {
protected:
    void SetUp() override {
        PanelTest::SetUp();
        ShowStandard("2401020304_A001.MOV");
        ASSERT_TRUE(graph.CreateModeless(host->Handle()));
        graph.Move({0, 0, kWidth, kHeight});
        graph.SetSurface(&surface);
        graph.leftMargin = kMargin;
        graph.tileStep = graph.BackgroundWidth() - kMargin;
        graph.positionRange = frames;
        graph.clipOpen = 1;
        graph.Show(SW_SHOW);
    }
    void TearDown() override {
        graph.DestroyWindow();
        PanelTest::TearDown();
    }
    // The whole clip is spread over the width.
    int ColumnOf(int frame) const { return kMargin + static_cast<int>(frame * graph.GetPixelsPerFrame()); }

    CGSensorDlg graph{engine};
};

TEST_F(GraphWindow, DrawsCurvesMarkersShadingAndThePosition) {
    engine.ShownClipReader.Records()->gsensor[20].triggerKind = 9;
    graph.position = frames / 2;
    graph.Redraw();
    testing_support::DibCanvas shot(kWidth, kHeight);
    Capture(graph.Handle(), shot, L"graph-screenshot");

    // Event lines in their colours: kind 6 white, kind 10 magenta, kind 11
    // cyan; the detection frame shades the foot red; kind 9's marker image.
    EXPECT_TRUE(CloseColour(shot.Pixel(ColumnOf(FrameOfEntry(45)), 20), kWhite));
    EXPECT_TRUE(CloseColour(shot.Pixel(ColumnOf(FrameOfEntry(30)), 20), RGB(255, 0, 255), 40));
    EXPECT_TRUE(CloseColour(shot.Pixel(ColumnOf(FrameOfEntry(31)), 20), RGB(0, 255, 255), 40));
    const COLORREF band = shot.Pixel(ColumnOf(FrameOfEntry(31)) + 2, kHeight - 5);
    EXPECT_GT(GetRValue(band), GetGValue(band) + 40);
    const int image = ColumnOf(FrameOfEntry(20)) + 1;
    EXPECT_GT(CountNear(shot, {image, 0, image + 12, kHeight}, RGB(255, 255, 0), 30), 10);
    // A label's glyph beside its line.
    const int label = ColumnOf(FrameOfEntry(45)) + 1;
    EXPECT_GT(CountNear(shot, {label, 60, label + 20, 140}, kWhite, 0), 4);

    // Frame 0 starts the curves at the left margin: X -0.423 g, Y 0.045 g,
    // Z 1.0 g at 90 pixels a g, merged onto the background.
    EXPECT_EQ(GetGValue(shot.Pixel(kMargin, 93 + 38)), 255);
    EXPECT_EQ(GetRValue(shot.Pixel(kMargin, 93 - 4)), 255);
    EXPECT_EQ(GetBValue(shot.Pixel(kMargin, 93 - 90)), 255);

    const float perFrame = static_cast<float>(kWidth - kMargin) / static_cast<float>(frames);
    EXPECT_EQ(shot.Pixel(kMargin + static_cast<int>(static_cast<float>(frames / 2) * perFrame), 113), kWhite);
}

TEST_F(GraphWindow, ClicksAskTheParentForThePreviousAndNextEvent) {
    graph.Send(WM_LBUTTONUP, 0, MAKELPARAM(100, 50));
    graph.Send(WM_RBUTTONUP, 0, MAKELPARAM(100, 50));
    for (UINT message : {WM_APP_GRAPH_PREV_EVENT, WM_APP_GRAPH_NEXT_EVENT}) {
        const MSG posted = testing_support::TakePosted(host->Handle(), message);
        EXPECT_EQ(posted.message, message);
        EXPECT_EQ(posted.wParam + posted.lParam, 0u);
    }
}

}  // namespace
