#include "ui/controls/CSkinButton.h"

#include <gtest/gtest.h>

#include "SkinColours.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"
#include "support/MessagePump.h"

namespace {

using namespace skin_colours;
using testing_support::DibCanvas;

constexpr WORD kPlayStrip = 148;
constexpr WORD kPauseStrip = 147;
constexpr RECT kButtonRect{10, 10, 42, 42};

class SkinButton : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(button.CreateFromBitmap(kPlayStrip, WS_VISIBLE, kButtonRect, host.Handle(), 38002));
    }

    // Draws the button as the platform asks it to, into the canvas.
    void Draw(UINT state) {
        canvas.Fill(RGB(255, 255, 255));
        DRAWITEMSTRUCT item{};
        item.CtlType = ODT_BUTTON;
        item.CtlID = 38002;
        item.itemAction = ODA_DRAWENTIRE;
        item.itemState = state;
        item.hwndItem = button.Handle();
        item.hDC = canvas.Dc();
        item.rcItem = {0, 0, 32, 32};
        button.DrawItem(item);
    }

    COLORREF Face() const { return canvas.Pixel(kFacePoint.x, kFacePoint.y); }

    testing_support::HostWindow host;
    CSkinButton button;
    DibCanvas canvas{32, 32};
};

TEST_F(SkinButton, BlackInTheStripShowsTheDarkFill) {
    Draw(0);
    EXPECT_EQ(canvas.Pixel(0, 0), kButtonFill);
    EXPECT_EQ(canvas.Pixel(31, 31), kButtonFill);
    EXPECT_EQ(Face(), kFace);
    EXPECT_EQ(canvas.Pixel(kPlayGlyphPoint.x, kPlayGlyphPoint.y), kInk);
}

TEST_F(SkinButton, AMissingBitmapPaintsOnlyTheFill) {
    CSkinButton bare;
    ASSERT_TRUE(bare.CreateFromBitmap(9999, WS_VISIBLE, {50, 10, 82, 42}, host.Handle(), 38003));
    canvas.Fill(RGB(255, 255, 255));
    DRAWITEMSTRUCT item{};
    item.CtlType = ODT_BUTTON;
    item.hDC = canvas.Dc();
    item.rcItem = {0, 0, 32, 32};
    bare.DrawItem(item);
    EXPECT_EQ(canvas.Count({0, 0, 32, 32}, kButtonFill), 32 * 32);
}

TEST_F(SkinButton, HoverShowsTheHoverImageUnlessLatched) {
    button.Redraw();
    testing_support::PumpPending();
    DibCanvas shown(32, 32);
    const auto capture = [&] {
        GdiFlush();
        testing_support::CaptureWindow(button.Handle(), shown);
        return shown.Pixel(kFacePoint.x, kFacePoint.y);
    };
    EXPECT_EQ(capture(), kFace);
    button.Send(WM_MOUSEHOVER);
    EXPECT_EQ(capture(), kFaceHover);
    button.Send(WM_MOUSELEAVE);
    EXPECT_EQ(capture(), kFace);

    button.latched = 1;
    button.Redraw();
    testing_support::PumpPending();
    button.Send(WM_MOUSEHOVER);
    EXPECT_EQ(capture(), kFacePressed);
}

TEST_F(SkinButton, ClicksReachTheOwnerAsCommands) {
    class Owner : public testing_support::HostWindow {
    public:
        int clicks = 0;

    protected:
        const fw::MessageMap& GetMessageMap() const override {
            static const fw::MessageMap map(&fw::Window::GetMessageMap(), {fw::OnCommand(38700, &Owner::OnClick)});
            return map;
        }

    private:
        LRESULT OnClick(const fw::Message&) {
            ++clicks;
            return 0;
        }
    } owner;
    CSkinButton filter;
    ASSERT_TRUE(filter.CreateFromBitmap(217, BS_CHECKBOX | WS_VISIBLE, {0, 0, 12, 12}, owner.Handle(), 38700));
    filter.Click();
    EXPECT_EQ(owner.clicks, 1);
}

}  // namespace
