#include <gtest/gtest.h>

#include "player/CheckHResult.h"
#include "player/PlaybackMath.h"

namespace {

TEST(PlaybackMath, FramesAndMediaTime) {
    const float at29 = 1000.0f / 29;  // 34.48 ms, the whole-number rate of 29.97 fps
    EXPECT_EQ(FrameAtPosition(100100000, at29), 290) << "a 10.01 s movie, truncated";
    EXPECT_EQ(FrameAtPosition(-1, at29), 0);
    EXPECT_EQ(FrameAtPosition(100100000, 0.0f), 0) << "no frame duration, no frames";
    // The frame duration is single precision; the product is truncated.
    EXPECT_EQ(PositionOfFrame(60, at29), 20689654);
    EXPECT_EQ(PositionOfFrame(90, 1000.0f / 30), 29999998);
}

TEST(PlaybackMath, SpeedSteps) {
    struct Case {
        int32_t requested, current;
        bool reverse;
        int32_t index;
        float rate;
    };
    const Case cases[] = {
        {-4, 1, true, -4, -4.0f}, {-4, 1, false, -4, 0.25f}, {-2, 1, true, -2, -2.0f}, {-2, 1, false, -2, 0.5f},
        {-1, 1, true, -1, -1.0f},
        // Without reverse play -1 toggles between normal and half speed.
        {-1, 1, false, -2, 0.5f}, {-1, -2, false, 1, 1.0f}, {-1, 4, false, -1, 1.0f},
        {1, 4, false, 1, 1.0f}, {2, 1, false, 2, 2.0f}, {4, 1, false, 4, 4.0f}, {3, 1, true, 3, 1.0f},
    };
    for (const Case& c : cases) {
        const SpeedStep step = ResolveSpeed(c.requested, c.current, c.reverse);
        EXPECT_EQ(step.index, c.index) << c.requested << " from " << c.current << " reverse " << c.reverse;
        EXPECT_EQ(step.rate, c.rate) << c.requested << " from " << c.current << " reverse " << c.reverse;
    }
    EXPECT_FALSE(ThinsAtRate(2.0f));
    EXPECT_TRUE(ThinsAtRate(4.0f));
}

TEST(PlaybackMath, Volumes) {
    EXPECT_EQ(VolumeAttenuation(65535), 0);
    EXPECT_EQ(VolumeAttenuation(0), -10000);
    EXPECT_EQ(VolumeAttenuation(32768), -4999);
    EXPECT_FLOAT_EQ(VolumeLevel(32768), 0.50000763f);
    for (int32_t index : {-4, -2, -1, 2, 4}) EXPECT_EQ(AudibleVolume(40000, index), 0u) << index;
    EXPECT_EQ(AudibleVolume(40000, 1), 40000u);
    EXPECT_EQ(AudibleVolume(0x1FFFF, 1), 0xFFFFu) << "only the low 16 bits";
}

TEST(PlaybackMath, FitVideoRect) {
    struct Case {
        ZoomRect rect;
        int32_t clientWidth, clientHeight, videoWidth, videoHeight;
        ZoomRect fitted;
    };
    const Case cases[] = {
        // 16:9 in 4:3: the width stays, centred, two pixels to spare.
        {{0, 0, 640, 480}, 640, 480, 1280, 720, {0, 60, 642, 422}},
        // 16:9 in the smallest layout's video area.
        {{0, 0, 656, 373}, 656, 373, 1280, 720, {0, 2, 658, 373}},
        // 4:3 in a wide window: the height stays.
        {{0, 0, 800, 300}, 800, 300, 640, 480, {200, 0, 602, 302}},
    };
    for (const Case& c : cases) {
        ZoomRect rect = c.rect;
        ASSERT_TRUE(FitVideoRect(rect, c.clientWidth, c.clientHeight, c.videoWidth, c.videoHeight));
        EXPECT_EQ(rect.left, c.fitted.left);
        EXPECT_EQ(rect.top, c.fitted.top);
        EXPECT_EQ(rect.right, c.fitted.right);
        EXPECT_EQ(rect.bottom, c.fitted.bottom);
    }
}

TEST(PlaybackMath, NoSizeDividesByZero) {
    const int32_t zeroCases[][4] = {{0, 480, 1280, 720}, {640, 0, 1280, 720}, {640, 480, 0, 720}, {640, 480, 1280, 0}};
    for (const auto& sizes : zeroCases) {
        ZoomRect rect{1, 2, 3, 4};
        EXPECT_FALSE(FitVideoRect(rect, sizes[0], sizes[1], sizes[2], sizes[3]));
        EXPECT_EQ(rect.left, 1);
        EXPECT_EQ(rect.bottom, 4);
        OverlaySize size{};
        EXPECT_FALSE(ScaleOverlay(sizes[0], sizes[1], sizes[2], sizes[3], true, size));
    }
}

TEST(PlaybackMath, OverlaySitsInTheBottomRightCorner) {
    OverlaySize size{};
    // 1280x720 shown in 640x480: half scale across, two thirds down.
    ASSERT_TRUE(ScaleOverlay(640, 480, 1280, 720, true, size));
    EXPECT_EQ(size.width, 150);
    EXPECT_EQ(size.height, 80);
    // Stretched, the overlay keeps its own proportions.
    ASSERT_TRUE(ScaleOverlay(640, 480, 1280, 720, false, size));
    EXPECT_EQ(size.width, 150);
    EXPECT_EQ(size.height, 60);
    const OverlayPlace place = OverlayDestination(size, 640, 480);
    EXPECT_FLOAT_EQ(place.left, 1.0f - 150.0f / 640.0f);
    EXPECT_FLOAT_EQ(place.top, 1.0f - 60.0f / 480.0f);
    EXPECT_EQ(place.right, 1.0f);
    EXPECT_EQ(place.bottom, 1.0f);
}

TEST(PlaybackMath, BandsSurroundThePicture) {
    const auto bands = BandsAround(ZoomRect{0, 0, 640, 480}, ZoomRect{0, 60, 642, 422});
    EXPECT_EQ(bands[0].bottom, 60);
    EXPECT_EQ(bands[1].top, 422);
    EXPECT_EQ(bands[1].bottom, 480);
    EXPECT_EQ(bands[2].right, 0) << "no band left of a picture as wide as the window";
}

TEST(CheckHResult, NamesTheFailure) {
    const struct {
        uint32_t hr;
        const wchar_t* text;
    } cases[] = {
        {0x80004002u, L"E_NOINTERFACE"},  {0x80004001u, L"E_NOTIMPL"},  {0x80004003u, L"E_POINTER"},
        {0x8007000Eu, L"E_OUTOFMEMORY"},  {0x80070057u, L"E_INVALIDARG"}, {0x80040209u, L"VFW_E_NOT_CONNECTED"},
        {0x80040227u, L"VFW_E_WRONG_STATE"}, {0x80004005u, L"Unknown 0x80004005"},
    };
    for (const auto& c : cases) EXPECT_EQ(HResultText(static_cast<int32_t>(c.hr), L"codecs"), c.text);
    const int32_t invalidMediaType = static_cast<int32_t>(0x80040200u);
    EXPECT_EQ(HResultText(invalidMediaType, L"コーデックとスプリッターをインストールしてください。"),
              L"コーデックとスプリッターをインストールしてください。");
    EXPECT_EQ(HResultText(invalidMediaType, L""), L"Unknown 0x80040200");
    EXPECT_EQ(HResultText(invalidMediaType, nullptr), L"Unknown 0x80040200");
}

TEST(CheckHResult, ReportsFailuresOnlyAndNeverShowsABox) {
    std::vector<std::wstring> reported;
    ScopedHResultReporter record([&](const std::wstring& text) { reported.push_back(text); });
    EXPECT_EQ(CheckHResult(0), 1);
    EXPECT_EQ(CheckHResult(1), 1) << "S_FALSE is a success";
    EXPECT_EQ(CheckHResult(static_cast<int32_t>(0x80004001u)), 0);
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], L"E_NOTIMPL");
}

}  // namespace
