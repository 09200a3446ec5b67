#include "browser/core/PanelLayout.h"

#include <gtest/gtest.h>

namespace {

constexpr PanelRect kVideo0{6, 24, 662, 397};   // 656 x 373 at (6, 24)
constexpr PanelRect kVideo1{6, 24, 874, 517};   // 868 x 493
constexpr PanelRect kClient{0, 0, 1120, 700};
constexpr int kLfHeight = -13;

TEST(PanelLayout, SideBySideSitsBelowTheMapBesideTheVideo) {
    const PanelPlacement p = ComputePanelPlacement(kLayoutSideBySide, kVideo0, kClient, kLfHeight);
    EXPECT_EQ(p.panel, (PanelRect{662, 416, 1114, 660}));
    EXPECT_EQ(p.tree, (PanelRect{666, 464, 666 + 217, 464 + 244 - 52}));
    EXPECT_EQ(p.list, (PanelRect{886, 464, 886 + 224, 464 + 244 - 52}));
    EXPECT_EQ(p.pathEdit, (PanelRect{666, 421, 666 + 382, 421 + 20}));
    EXPECT_TRUE(p.placeControls);
}

TEST(PanelLayout, SideBySideWithAnEmptyClientPlacesNothing) {
    const PanelPlacement p = ComputePanelPlacement(kLayoutSideBySide, kVideo0, PanelRect{}, kLfHeight);
    EXPECT_FALSE(p.placeControls);
    EXPECT_TRUE(p.panel.IsEmpty());
}

TEST(PanelLayout, StackedRunsDownTheRightEdge) {
    const PanelPlacement p = ComputePanelPlacement(kLayoutStacked, kVideo1, kClient, kLfHeight);
    EXPECT_EQ(p.panel, (PanelRect{874, 24, 1114, 660}));
    EXPECT_EQ(p.tree, (PanelRect{878, 78, 878 + 232, 78 + 304}));
    EXPECT_EQ(p.list, (PanelRect{878, 410, 878 + 232, 410 + 636 - 390}));
    EXPECT_EQ(p.pathEdit, (PanelRect{878, 24 + 43 - 13, 878 + 232, 24 + 43 - 13 + 20}));
}

TEST(PanelLayout, FilterButtonsStandAtTheGivenOffsets) {
    const PanelRect panel{100, 200, 552, 500};
    const int side[] = {163, 208, 253, 335, 380};
    for (int k = 0; k < kKindCount; ++k) {
        const PanelRect b = FilterButtonRect(kLayoutSideBySide, panel, k);
        EXPECT_EQ(b.left - panel.left, side[k]) << k;
        EXPECT_EQ(b.top - panel.top, 30) << k;
        EXPECT_EQ(b.Width(), 12);
        EXPECT_EQ(b.Height(), 12);
        const PanelRect legend = KindLegendRect(kLayoutSideBySide, panel, k);
        EXPECT_EQ(legend.left - b.left, 14) << k;
        EXPECT_EQ(legend.top - panel.top, 27);
        EXPECT_EQ(legend.Width(), 80);
        EXPECT_EQ(legend.Height(), 16);
    }
    const int stackedX[] = {5, 50, 95, 5, 50};
    const int stackedY[] = {362, 362, 362, 374, 374};
    for (int k = 0; k < kKindCount; ++k) {
        const PanelRect b = FilterButtonRect(kLayoutStacked, panel, k);
        EXPECT_EQ(b.left - panel.left, stackedX[k]) << k;
        EXPECT_EQ(b.top - panel.top, stackedY[k]) << k;
        const PanelRect legend = KindLegendRect(kLayoutStacked, panel, k);
        EXPECT_EQ(legend.left - b.left, 14) << k;
        EXPECT_EQ(legend.top - b.top, -3) << k;
    }
}

TEST(PanelLayout, TheLegendTextsAreTheKindSlots) {
    EXPECT_EQ(kKindLegendSlots[0], 26);
    EXPECT_EQ(kKindLegendSlots[1], 29);
    EXPECT_EQ(kKindLegendSlots[2], 27);
    EXPECT_EQ(kKindLegendSlots[3], 28);
    EXPECT_EQ(kKindLegendSlots[4], 141);
}

TEST(PanelLayout, FileCountRectangles) {
    EXPECT_EQ(GetCountTextRect(kLayoutSideBySide, kVideo0, kClient, kLfHeight),
              (PanelRect{662 + 387, 24 + 397, 662 + 447, 24 + 13 + 404}));
    EXPECT_EQ(GetCountTextRect(kLayoutStacked, kVideo1, kClient, kLfHeight),
              (PanelRect{1120 - 76, 28, 1120 - 16, 24 + 13 + 11}));
}

TEST(PanelLayout, OtherModesGiveTheVideoRectangleAsPanel) {
    EXPECT_EQ(GetPanelRect(2, kVideo0, kClient), kVideo0);
}

TEST(TreeMarks, OverlaysFollowTheMaskBits) {
    int ids[4];
    EXPECT_EQ(TreeMarkOverlays(0x1, ids), 0);  // 'A' alone: the base mark only
    ASSERT_EQ(TreeMarkOverlays(0x4 | 0x8, ids), 2);  // G and P
    EXPECT_EQ(ids[0], 315);
    EXPECT_EQ(ids[1], 318);
    ASSERT_EQ(TreeMarkOverlays(0x1F, ids), 4);
    EXPECT_EQ(ids[0], 316);
    EXPECT_EQ(ids[1], 315);
    EXPECT_EQ(ids[2], 318);
    EXPECT_EQ(ids[3], 317);
}

}  // namespace
