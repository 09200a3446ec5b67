#include <gtest/gtest.h>

#include "support/DibCanvas.h"
#include "support/HostWindow.h"
#include "support/TestGdiplus.h"
#include "ui/drawing/CLapTimeArea.h"
#include "ui/drawing/COffScreenDC.h"
#include "ui/drawing/CResourceImage.h"

namespace {

using testing_support::DibCanvas;

constexpr COLORREF kPaper = RGB(255, 255, 255);

class DrawingKit : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::EnsureGdiplus();
        ASSERT_EQ(skin.LoadImages(window.Handle()), 1);
    }

    testing_support::HostWindow window;
    CResourceImage skin;
    DibCanvas canvas{400, 100, kPaper};
};

TEST_F(DrawingKit, LoadsTheStoreAndRefusesBrushesPastIt) {
    EXPECT_NE(skin.Image(129), nullptr);
    EXPECT_NE(skin.NeedleMask(), nullptr);
    EXPECT_NE(skin.Brush(0), nullptr);
    EXPECT_EQ(skin.Brush(4), nullptr);
}

TEST_F(DrawingKit, ConvertedImagesKeepBlackTransparent) {
    // The lamp is a disc on black: its corners must leave the paper alone.
    skin.DrawOnOffImage(canvas.Dc(), {0, 0, 60, 20}, TRUE);
    EXPECT_EQ(canvas.Pixel(10, 0), kPaper);
    EXPECT_EQ(canvas.Pixel(49, 19), kPaper);
    EXPECT_NE(canvas.Pixel(30, 10), kPaper);
}

TEST_F(DrawingKit, UnknownKindsStatesAndIndicesDrawNothing) {
    const RECT area{0, 0, 400, 100};
    skin.DrawGValueImage(canvas.Dc(), area, 2, 0);
    skin.DrawGValueImage(canvas.Dc(), area, 0, 3);
    skin.DrawGValueImage(canvas.Dc(), area, -1, 0);
    skin.DrawStateImage(canvas.Dc(), area, 3);
    skin.DrawStateImageRight(canvas.Dc(), area, -1);
    skin.DrawIndexedImage(canvas.Dc(), area, 6);
    skin.DrawIndexedImage(canvas.Dc(), area, -1);
    skin.DrawMarkImage(canvas.Dc(), area, FALSE);
    EXPECT_EQ(canvas.Count(area, kPaper), 400 * 100);
    skin.DrawGValueImage(canvas.Dc(), {0, 0, 116, 36}, 0, 0);
    EXPECT_GT(canvas.Count({0, 0, 116, 36}, RGB(0, 255, 0)), 0);  // X in green, stretched
}

TEST_F(DrawingKit, QualityImagesAreCopiedOpaqueInTheFirstImagesSize) {
    skin.DrawIndexedImage(canvas.Dc(), {50, 50, 300, 90}, 5);
    EXPECT_EQ(canvas.Count({50, 50, 90, 70}, kPaper), 0);
    EXPECT_EQ(canvas.Count({90, 50, 300, 100}, kPaper), 210 * 50);
}

TEST_F(DrawingKit, MissingImagesAreSkipped) {
    CResourceImage empty;  // never loaded
    empty.DrawBackground(canvas.Dc(), {0, 0, 100, 100});
    empty.DrawStateImage(canvas.Dc(), {0, 0, 100, 100}, 0);
    EXPECT_EQ(canvas.Count({0, 0, 400, 100}, kPaper), 400 * 100);
}

TEST(OffScreenDC, PutsThePreviousBitmapBackBeforeDeletingItsOwn) {
    HBITMAP own = nullptr;
    {
        COffScreenDC buffer;
        const HDC screen = GetDC(nullptr);
        ASSERT_TRUE(buffer.Create(screen, 64, 32));
        ReleaseDC(nullptr, screen);
        own = buffer.GetBitmap();
        EXPECT_EQ(GetCurrentObject(buffer.GetDC(), OBJ_BITMAP), own);
    }
    // A bitmap still selected into a DC cannot be deleted and would outlive it.
    EXPECT_EQ(GetObjectType(own), 0u);
}

TEST(OffScreenDC, ASecondCreateReplacesTheBuffer) {
    COffScreenDC buffer;
    const HDC screen = GetDC(nullptr);
    ASSERT_TRUE(buffer.Create(screen, 64, 32));
    const HBITMAP first = buffer.GetBitmap();
    ASSERT_TRUE(buffer.Create(screen, 8, 8));
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(GetObjectType(first), 0u);
    BITMAP info{};
    GetObjectW(buffer.GetBitmap(), sizeof(info), &info);
    EXPECT_EQ(info.bmWidth, 8);
}

TEST(LapTimeArea, RestoresTheBuffersFontWhenItGoes) {
    COffScreenDC buffer;
    const HDC screen = GetDC(nullptr);
    ASSERT_TRUE(buffer.Create(screen, 16, 16));
    ReleaseDC(nullptr, screen);
    const HGDIOBJ original = GetCurrentObject(buffer.GetDC(), OBJ_FONT);
    const HFONT font = CreateFontW(-12, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
    {
        CLapTimeArea area;
        area.UseBuffer(&buffer, font);
        EXPECT_EQ(GetCurrentObject(buffer.GetDC(), OBJ_FONT), font);
    }
    EXPECT_EQ(GetCurrentObject(buffer.GetDC(), OBJ_FONT), original);
    DeleteObject(font);
}

}  // namespace
