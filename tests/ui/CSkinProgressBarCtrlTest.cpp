#include "ui/controls/CSkinProgressBarCtrl.h"

#include <gtest/gtest.h>

#include "SkinColours.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"

namespace {

using namespace skin_colours;
using testing_support::DibCanvas;

constexpr int kWidth = 400;
constexpr RECT kTextBox{kWidth / 2 - 50, 0, kWidth / 2 + 50, 22};

class ProgressBar : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(bar.CreateBar(host.Handle()));
        bar.PlaceAtBottom(host.Handle(), host.Handle());
        bar.SetFont(font_);
    }
    void TearDown() override { DeleteObject(font_); }

    void Paint(int position) {
        bar.position = position;
        canvas.Fill(RGB(128, 128, 128));
        EXPECT_TRUE(bar.Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(canvas.Dc())));
    }

    testing_support::HostWindow host{{0, 0, kWidth, 100}};
    CSkinProgressBarCtrl bar;
    DibCanvas canvas{kWidth, 22};

private:
    HFONT font_ = CreateFontW(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, 0, 0, 0, 0, 0, L"Tahoma");
};

TEST_F(ProgressBar, TheDigitsChangeColourWhereTheFillPassesThem) {
    Paint(50);
    EXPECT_EQ(canvas.Pixel(5, 5), kProgressFilled);
    EXPECT_EQ(canvas.Pixel(kWidth - 5, 5), kProgressEmpty);
    const RECT filledHalf{kTextBox.left, 0, kWidth / 2, 22};
    const RECT emptyHalf{kWidth / 2, 0, kTextBox.right, 22};
    // White digits on the blue part, blue digits on the white part.
    EXPECT_GT(canvas.Count(filledHalf, kProgressEmpty), 0);
    EXPECT_GT(canvas.Count(emptyHalf, kProgressFilled), 0);
}

TEST_F(ProgressBar, AnEmptyRangeOrAPositionBeyondItStaysInTheBar) {
    bar.minimum = bar.maximum = 0;
    Paint(5);
    EXPECT_EQ(canvas.Pixel(5, 5), kProgressEmpty);
    bar.maximum = 100;
    Paint(250);
    EXPECT_EQ(canvas.Pixel(kWidth - 1, 5), kProgressFilled);
}

TEST_F(ProgressBar, AParentWithoutWidthGetsNoBar) {
    testing_support::HostWindow empty{{0, 0, 0, 50}};
    CSkinProgressBarCtrl none;
    EXPECT_FALSE(none.CreateBar(empty.Handle()));
    EXPECT_EQ(none.Handle(), nullptr);
}

}  // namespace
