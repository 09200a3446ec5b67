#include "ui/controls/CSkinSliderCtrl.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "SkinColours.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"
#include "support/MessagePump.h"
#include "support/TestGdiplus.h"

namespace {

using namespace skin_colours;

constexpr int kSeekId = 38100;
constexpr int kWidth = 400;

struct Posted {
    UINT message;
    WPARAM id;
    LPARAM position;
    bool operator==(const Posted& other) const {
        return message == other.message && id == other.id && position == other.position;
    }
};

std::ostream& operator<<(std::ostream& out, const Posted& p) {
    return out << std::hex << p.message << std::dec << "(" << p.id << ", " << p.position << ")";
}

// The slider's parent, keeping what the slider posts.
class SliderOwner : public testing_support::HostWindow {
public:
    std::vector<Posted> posted;

protected:
    const fw::MessageMap& GetMessageMap() const override {
        static const fw::MessageMap map(&fw::Window::GetMessageMap(), {
            fw::OnMessage(WM_APP_SLIDER_MOVED, &SliderOwner::Keep),
            fw::OnMessage(WM_APP_SLIDER_PRESSED, &SliderOwner::Keep),
            fw::OnMessage(WM_APP_SLIDER_RELEASED, &SliderOwner::Keep),
        });
        return map;
    }

private:
    LRESULT Keep(const fw::Message& m) {
        posted.push_back({m.id, m.wParam, m.lParam});
        return 0;
    }
};

Posted Pressed(LPARAM position) {
    return {WM_APP_SLIDER_PRESSED, kSeekId, position};
}
Posted Moved(LPARAM position) {
    return {WM_APP_SLIDER_MOVED, kSeekId, position};
}
Posted Released(LPARAM position) {
    return {WM_APP_SLIDER_RELEASED, kSeekId, position};
}

class SkinSlider : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::EnsureGdiplus();
        ASSERT_TRUE(slider.CreateSlider(kSeekId, owner.Handle()));
        slider.Move({0, 100, kWidth, 110});
        ASSERT_TRUE(slider.LoadSkin(174, 159, 160, 161));
        // 80 positions: the pointer maps 5 pixels to a position; the
        // 10-pixel thumb travels (400 - 10) / 80 pixels per position.
        slider.minimum = 0;
        slider.maximum = 79;
        slider.position = 40;  // thumb drawn from 195 to 205
    }

    // Sends a mouse message at client x (negative x as the platform packs it).
    void Mouse(UINT message, int x) { slider.Send(message, 0, MAKELPARAM(static_cast<WORD>(x), 5)); }

    std::vector<Posted> Drain() {
        testing_support::PumpPending();
        return std::exchange(owner.posted, {});
    }

    SliderOwner owner;
    CSkinSliderCtrl slider;
};

TEST_F(SkinSlider, PressDragAndReleasePostThePointersPositions) {
    Mouse(WM_LBUTTONDOWN, 200);
    EXPECT_EQ(GetCapture(), slider.Handle());
    Mouse(WM_MOUSEMOVE, 250);
    Mouse(WM_MOUSEMOVE, 405);  // beyond the right end, within the band
    Mouse(WM_MOUSEMOVE, 420);  // too far out: nothing
    Mouse(WM_LBUTTONUP, 420);
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(Drain(), (std::vector<Posted>{Pressed(40), Moved(50), Moved(79), Released(79)}));
    EXPECT_EQ(slider.position, 40);  // the owner moves the thumb, not the slider
}

TEST_F(SkinSlider, APressJustLeftOfTheSliderGivesTheMinimum) {
    Mouse(WM_LBUTTONDOWN, -5);
    Mouse(WM_LBUTTONUP, -5);
    EXPECT_EQ(Drain(), (std::vector<Posted>{Pressed(0), Released(0)}));
    Mouse(WM_LBUTTONDOWN, -10);
    Mouse(WM_LBUTTONDOWN, kWidth + 10);
    EXPECT_TRUE(Drain().empty());
    EXPECT_EQ(slider.pressed, 0);
}

TEST_F(SkinSlider, ADisabledSliderIgnoresPressesAndEndsADragSilently) {
    slider.enabled = 0;
    Mouse(WM_LBUTTONDOWN, 200);
    EXPECT_EQ(slider.pressed, 0);
    EXPECT_TRUE(Drain().empty());

    slider.enabled = 1;
    Mouse(WM_LBUTTONDOWN, 200);
    slider.enabled = 0;
    Mouse(WM_MOUSEMOVE, 250);
    EXPECT_EQ(slider.pressed, 0);
    EXPECT_EQ(GetCapture(), nullptr);
    Mouse(WM_LBUTTONUP, 250);
    EXPECT_EQ(Drain(), (std::vector<Posted>{Pressed(40)}));
}

TEST_F(SkinSlider, DrawsTheChannelsSplitAtThePositionAndTheThumbOverThem) {
    testing_support::DibCanvas canvas(kWidth, 10);
    slider.DrawSlider(canvas.Dc());
    const COLORREF left = canvas.Pixel(100, 5);
    const COLORREF right = canvas.Pixel(300, 5);
    EXPECT_NE(left, right);
    EXPECT_EQ(canvas.Pixel(150, 5), left);
    EXPECT_EQ(canvas.Pixel(250, 5), right);
    EXPECT_EQ(canvas.Pixel(196, 5), kThumb);
    EXPECT_NE(canvas.Pixel(190, 5), kThumb);

    slider.pressed = 1;
    slider.position = 0;
    slider.DrawSlider(canvas.Dc());
    EXPECT_EQ(canvas.Pixel(1, 5), kThumbPressed);
    EXPECT_EQ(canvas.Pixel(100, 5), right);
}

}  // namespace
