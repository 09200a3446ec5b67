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
