#include "app/core/MainWindowGeometry.h"

#include <gtest/gtest.h>

namespace {

const LayoutRect kClient = MainClientRect();

TEST(MainWindowGeometry, VideoAreasAndTheirZoomCentres) {
    EXPECT_EQ(VideoArea(0), (LayoutRect{6, 24, 662, 397}));
    EXPECT_EQ(VideoArea(1), (LayoutRect{6, 24, 874, 517}));
    EXPECT_EQ(VideoArea(2), (LayoutRect{6, 24, 1114, 652}));
    EXPECT_EQ(ZoomCentre(0), (LayoutPoint{328, 186}));
    EXPECT_EQ(ZoomCentre(1), (LayoutPoint{434, 246}));
    EXPECT_EQ(ZoomCentre(2), (LayoutPoint{554, 314}));
}

TEST(MainWindowGeometry, PanelsOfTheSmallLayout) {
    const LayoutRect video = VideoArea(0);
    EXPECT_EQ(SeekSliderRect(video), (LayoutRect{6, 397, 662, 407}));
    EXPECT_EQ(InfoPanelRect(0, video, kClient), (LayoutRect{6, 407, 662, 474}));
    EXPECT_EQ(GraphRect(video, kClient), (LayoutRect{6, 474, 662, 660}));
    EXPECT_EQ(MapWindowRect(video), (LayoutRect{662, 24, 1114, 416}));
}

TEST(MainWindowGeometry, InformationPanelOfTheLargerLayouts) {
    EXPECT_EQ(InfoPanelRect(1, VideoArea(1), kClient), (LayoutRect{6, 527, 874, 660}));
    // Over the video's bottom edge, inset by 4.
    EXPECT_EQ(InfoPanelRect(2, VideoArea(2), kClient), (LayoutRect{10, 648, 1110, 658}));
}

TEST(MainWindowGeometry, MainButtonsStepWithAGapBeforeTheFileButtons) {
    for (int mode = 0; mode < kSizeModes; ++mode) {
        const int y = mode == 0 ? 665 : 664;
        EXPECT_EQ(MainButtonPlace(0, mode, kClient).rect, (LayoutRect{20, y, 52, y + 32})) << "mode " << mode;
    }
    EXPECT_EQ(MainButtonPlace(8, 0, kClient).rect.left, 20 + 47 * 8);
    EXPECT_EQ(MainButtonPlace(9, 0, kClient).rect.left, 20 + 47 * 9 + 30);
    EXPECT_EQ(MainButtonPlace(13, 1, kClient).rect.left, 20 + 47 * 13 + 30);
    for (int i = 0; i < 14; ++i) {
        EXPECT_TRUE(MainButtonPlace(i, 0, kClient).shown);
        EXPECT_TRUE(MainButtonPlace(i, 1, kClient).shown);
    }
}

TEST(MainWindowGeometry, TheLargeLayoutKeepsSevenButtons) {
    // Snapshot and join go; zoom closes up into the seventh place.
    EXPECT_FALSE(MainButtonPlace(6, 2, kClient).shown);
    EXPECT_FALSE(MainButtonPlace(7, 2, kClient).shown);
    const ButtonPlace zoom = MainButtonPlace(8, 2, kClient);
    EXPECT_TRUE(zoom.shown);
    EXPECT_EQ(zoom.rect.left, 20 + 47 * 6);
    for (int i : {0, 1, 2, 3, 4, 5}) {
        EXPECT_TRUE(MainButtonPlace(i, 2, kClient).shown) << i;
    }
    for (int i = 9; i < 14; ++i) {
        EXPECT_FALSE(MainButtonPlace(i, 2, kClient).shown) << i;
    }
}

TEST(MainWindowGeometry, WindowButtonsAndVolume) {
    EXPECT_EQ(WindowButtonRect(kWindowButtonClose, kClient), (LayoutRect{1064, 0, 1110, 18}));
    EXPECT_EQ(WindowButtonRect(kWindowButtonSize, kClient), (LayoutRect{1038, 0, 1064, 18}));
    EXPECT_EQ(WindowButtonRect(kWindowButtonMinimize, kClient), (LayoutRect{1012, 0, 1038, 18}));
    EXPECT_EQ(VolumeSliderRect(kClient), (LayoutRect{1000, 670, 1100, 690}));
}

TEST(MainWindowGeometry, AWindowOffTheWorkAreaIsPulledBack) {
    const LayoutRect work{0, 0, 1280, 1024};
    EXPECT_EQ(KeepOnWorkArea({100, 50, 1220, 750}, work), (LayoutRect{100, 50, 1220, 750}));
    EXPECT_EQ(KeepOnWorkArea({-30, -5, 1090, 695}, work), (LayoutRect{0, 0, 1120, 700}));
    EXPECT_EQ(KeepOnWorkArea({400, 500, 1520, 1200}, work), (LayoutRect{160, 324, 1280, 1024}));
    // A task bar on the left.
    EXPECT_EQ(KeepOnWorkArea({-30, 0, 1090, 700}, {40, 0, 1280, 1024}), (LayoutRect{40, 0, 1160, 700}));
}

}  // namespace
