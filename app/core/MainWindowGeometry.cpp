#include "app/core/MainWindowGeometry.h"

#include <array>

#include "app/core/ControlStateRules.h"

namespace {

constexpr int kVideoLeft = 6;
constexpr int kVideoTop = kTitleBandHeight;
constexpr std::array<LayoutPoint, kSizeModes> kVideoSizes{{{656, 373}, {868, 493}, {1108, 628}}};

constexpr int kSeekSliderHeight = 10;
constexpr int kMapWidth = 452;
constexpr int kMapHeight = 392;

constexpr int kMainButtonSize = 32;
constexpr int kMainButtonLeft = 20;
constexpr int kMainButtonStep = 47;
constexpr int kMainButtonGap = 30;       // extra space before the file buttons
constexpr int kMainButtonGapAfter = 8;   // the gap follows this slot
constexpr int kLargeLayoutButtons = 7;

constexpr int kWindowButtonHeight = 18;
constexpr std::array<int, kWindowButtonCount> kWindowButtonWidths{46, 26, 26};
constexpr std::array<int, kWindowButtonCount> kWindowButtonOffsets{56, 82, 108};  // from the right edge

constexpr int kVolumeSliderWidth = 100;
constexpr int kVolumeSliderHeight = 20;

int ClampMode(int sizeMode) { return sizeMode < 0 || sizeMode >= kSizeModes ? 0 : sizeMode; }

LayoutRect At(int left, int top, int width, int height) { return {left, top, left + width, top + height}; }

// The slot a main button takes in the large layout, or -1 when it has none.
int LargeLayoutSlot(int button) {
    if (button == kButtonSnapshot || button == kButtonJoin) {
        return -1;
    }
    return button < kButtonSnapshot ? button : button - 2;
}

}  // namespace

bool InDragStrip(const LayoutPoint& client) {
    return client.x >= 0 && client.x < kMainWindowWidth && client.y >= 0 && client.y < kTitleBandHeight;
}

LayoutRect KeepOnWorkArea(const LayoutRect& window, const LayoutRect& workArea) {
    int dx = window.left < workArea.left ? workArea.left - window.left : 0;
    int dy = window.top < workArea.top ? workArea.top - window.top : 0;
    if (window.right + dx > workArea.right) {
        dx -= window.right + dx - workArea.right;
    }
    if (window.bottom + dy > workArea.bottom) {
        dy -= window.bottom + dy - workArea.bottom;
    }
    return {window.left + dx, window.top + dy, window.right + dx, window.bottom + dy};
}

LayoutRect MainClientRect() { return {0, 0, kMainWindowWidth, kMainWindowHeight}; }

LayoutRect VideoArea(int sizeMode) {
    const LayoutPoint size = kVideoSizes[ClampMode(sizeMode)];
    return At(kVideoLeft, kVideoTop, size.x, size.y);
}

LayoutPoint ZoomCentre(int sizeMode) {
    const LayoutRect video = VideoArea(sizeMode);
    return {video.Width() / 2, video.Height() / 2};
}

LayoutRect SeekSliderRect(const LayoutRect& video) {
    return At(video.left, video.bottom, video.Width(), kSeekSliderHeight);
}

LayoutRect InfoPanelRect(int sizeMode, const LayoutRect& video, const LayoutRect& client) {
    switch (ClampMode(sizeMode)) {
    case 0:
        return At(video.left, video.bottom + 10, video.Width(), 67);
    case 1:
        return At(video.left, video.bottom + 10, video.Width(), client.bottom - video.bottom - 50);
    default:
        return At(video.left + 4, video.bottom - 4, video.Width() - 8, client.bottom - video.bottom - 38);
    }
}

LayoutRect GraphRect(const LayoutRect& video, const LayoutRect& client) {
    return At(video.left, video.bottom + 77, video.Width(), client.bottom - video.bottom - 117);
}

LayoutRect MapWindowRect(const LayoutRect& video) { return At(video.right, video.top, kMapWidth, kMapHeight); }

ButtonPlace MainButtonPlace(int button, int sizeMode, const LayoutRect& client) {
    const int mode = ClampMode(sizeMode);
    const int slot = mode == 2 ? LargeLayoutSlot(button) : button;
    if (slot < 0) {
        return {};
    }
    const int x = client.left + kMainButtonLeft + kMainButtonStep * slot + (slot > kMainButtonGapAfter ? kMainButtonGap : 0);
    const int y = client.bottom - (mode == 0 ? 35 : 36);
    const bool shown = mode != 2 || slot < kLargeLayoutButtons;
    return {shown, At(x, y, kMainButtonSize, kMainButtonSize)};
}

LayoutRect WindowButtonRect(int button, const LayoutRect& client) {
    const int i = button < 0 || button >= kWindowButtonCount ? 0 : button;
    return At(client.right - kWindowButtonOffsets[i], client.top, kWindowButtonWidths[i], kWindowButtonHeight);
}

LayoutRect VolumeSliderRect(const LayoutRect& client) {
    return At(client.right - 120, client.bottom - 30, kVolumeSliderWidth, kVolumeSliderHeight);
}
