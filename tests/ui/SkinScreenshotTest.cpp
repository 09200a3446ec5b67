// The skinned controls as they appear on the screen: a window under Xvfb
// with buttons in each state, a slider and a progress bar, probed in a
// capture of the screen. The capture is kept as skin-screenshot.bmp beside
// the test for a look.
#include <gtest/gtest.h>

#include "SkinColours.h"
#include "framework/Static.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"
#include "support/MessagePump.h"
#include "support/TestGdiplus.h"
#include "ui/controls/CSkinButton.h"
#include "ui/controls/CSkinProgressBarCtrl.h"
#include "ui/controls/CSkinSliderCtrl.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/UiFonts.h"

namespace {

using namespace skin_colours;

constexpr int kWidth = 520;
constexpr int kHeight = 200;
constexpr int kButtonTop = 10;
constexpr int kButtonStep = 42;
constexpr int kSliderTop = 110;

enum ButtonState { kNormal, kHover, kLatched, kPushed, kDisabled, kButtonStates };

// The skin's dark window with one control of each kind.
class SkinWindow : public testing_support::HostWindow {
public:
    SkinWindow() : HostWindow({40, 40, 40 + kWidth, 40 + kHeight}) {
        SetPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
        for (int i = 0; i < kButtonStates; ++i) {
            const RECT r{10 + i * kButtonStep, kButtonTop, 42 + i * kButtonStep, kButtonTop + 32};
            buttons[i].CreateFromBitmap(148, WS_VISIBLE, r, Handle(), 38000 + i);
        }
        buttons[kLatched].latched = 1;
        buttons[kPushed].Send(BM_SETSTATE, TRUE);
        buttons[kDisabled].Enable(false);
        for (int i = 0; i < 3; ++i) {
            filters[i].CreateFromBitmap(217, BS_CHECKBOX | WS_VISIBLE, {240 + 60 * i, 60, 252 + 60 * i, 72}, Handle(),
                                        38700 + i);
        }
        filters[1].latched = 1;
        filters[2].Enable(false);

        fw::WindowArgs label;
        label.parent = Handle();
        label.rect = {10, 56, 230, 80};
        label.style = WS_CHILD | WS_VISIBLE | SS_LEFT;
        label.text = UiText(48);
        label.font = g_fontMedium;
        text.Create(label);

        slider.CreateSlider(38100, Handle());
        slider.Move({10, kSliderTop, 410, kSliderTop + 10});
        slider.LoadSkin(174, 159, 160, 161);
        slider.minimum = 0;
        slider.maximum = 99;

        progress.CreateBar(Handle());
        progress.PlaceAtBottom(Handle(), Handle());
        progress.SetFont(g_fontNormal);
        progress.position = 42;
    }

    CSkinButton buttons[kButtonStates];
    CSkinButton filters[3];
    fw::Static text;
    CSkinSliderCtrl slider;
    CSkinProgressBarCtrl progress;

protected:
    const fw::MessageMap& GetMessageMap() const override {
        static const fw::MessageMap map(&fw::Window::GetMessageMap(), {
            fw::OnMessage(WM_ERASEBKGND, &SkinWindow::OnEraseBkgnd),
            fw::OnCtlColor(&SkinWindow::OnCtlColor),
        });
        return map;
    }

private:
    LRESULT OnEraseBkgnd(const fw::Message& m) {
        const RECT r = ClientRect();
        FillRect(reinterpret_cast<HDC>(m.wParam), &r, background_.Get());
        return TRUE;
    }
    LRESULT OnCtlColor(const fw::Message& m) {
        SetTextColor(m.CtlColorDC(), kInk);
        SetBkColor(m.CtlColorDC(), RGB(30, 34, 41));
        return reinterpret_cast<LRESULT>(background_.Get());
    }

    fw::Brush background_{CreateSolidBrush(RGB(30, 34, 41))};
};

class SkinScreenshot : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::EnsureGdiplus();
        const HWND desktop = GetDesktopWindow();
        ASSERT_EQ(InitUiFontsAndFolder(desktop), 1);
        window = std::make_unique<SkinWindow>();
        window->Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
        window->slider.SetPosAndRedraw(50);
        testing_support::PumpPending();
        // Hovering draws straight onto the screen, over the painted button.
        window->buttons[kHover].Send(WM_MOUSEHOVER);
        GdiFlush();
        testing_support::CaptureWindow(window->Handle(), shot);
        shot.SaveBmp(L"skin-screenshot.bmp");
    }
    void TearDown() override {
        window.reset();
        DeleteUiFonts();
    }

    COLORREF ButtonFace(ButtonState state) const {
        return shot.Pixel(10 + state * kButtonStep + kFacePoint.x, kButtonTop + kFacePoint.y);
    }

    std::unique_ptr<SkinWindow> window;
    testing_support::DibCanvas shot{kWidth, kHeight};
};

TEST_F(SkinScreenshot, ButtonsShowTheImageOfTheirState) {
    EXPECT_EQ(ButtonFace(kNormal), kFace);
    EXPECT_EQ(ButtonFace(kHover), kFaceHover);
    EXPECT_EQ(ButtonFace(kLatched), kFacePressed);
    EXPECT_EQ(ButtonFace(kPushed), kFacePressed);
    EXPECT_EQ(ButtonFace(kDisabled), kFaceDisabled);
    EXPECT_EQ(shot.Pixel(10 + kPlayGlyphPoint.x, kButtonTop + kPlayGlyphPoint.y), kInk);
    // The strip's black corners show the buttons' own dark fill.
    EXPECT_EQ(shot.Pixel(10, kButtonTop), kButtonFill);
    EXPECT_EQ(shot.Pixel(10 + kDisabled * kButtonStep + 31, kButtonTop + 31), kButtonFill);
}

TEST_F(SkinScreenshot, FilterTogglesShowOffOnAndDisabled) {
    const COLORREF off = shot.Pixel(240 + 6, 66);
    const COLORREF on = shot.Pixel(300 + 6, 66);
    const COLORREF disabled = shot.Pixel(360 + 6, 66);
    EXPECT_NE(off, on);
    EXPECT_NE(off, disabled);
    EXPECT_NE(on, disabled);
    EXPECT_EQ(shot.Pixel(300 + 3, 63), RGB(79, 179, 191));  // the lit square
}

TEST_F(SkinScreenshot, TheSliderShowsBothChannelsAndTheThumb) {
    const int thumbLeft = 10 + 50 * (400 - 10) / 100;
    const COLORREF played = shot.Pixel(10 + 60, kSliderTop + 5);
    const COLORREF remaining = shot.Pixel(10 + 350, kSliderTop + 5);
    EXPECT_NE(played, remaining);
    EXPECT_EQ(shot.Pixel(10 + 150, kSliderTop + 5), played);
    EXPECT_EQ(shot.Pixel(10 + 250, kSliderTop + 5), remaining);
    EXPECT_EQ(shot.Pixel(thumbLeft + 1, kSliderTop + 5), kThumb);
}

TEST_F(SkinScreenshot, TheProgressBarFillsToItsPosition) {
    const int y = kHeight - 11;
    const int filled = kWidth * 42 / 100;
    EXPECT_EQ(shot.Pixel(5, y), kProgressFilled);
    EXPECT_EQ(shot.Pixel(filled - 3, 2 + kHeight - 22), kProgressFilled);
    EXPECT_EQ(shot.Pixel(filled + 3, 2 + kHeight - 22), kProgressEmpty);
    EXPECT_EQ(shot.Pixel(kWidth - 5, y), kProgressEmpty);
    // The digits are there, in both colours.
    const RECT box{kWidth / 2 - 50, kHeight - 22, kWidth / 2 + 50, kHeight};
    EXPECT_GT(shot.Count(box, kProgressEmpty), 0);
    EXPECT_GT(shot.Count(box, kProgressFilled), 0);
}

}  // namespace
