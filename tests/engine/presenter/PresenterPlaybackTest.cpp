#include <windows.h>

#include <gtest/gtest.h>

#include "LiveObjects.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "support/DibCanvas.h"
#include "support/HostWindow.h"
#include "support/MessagePump.h"
#include "support/PresenterTestSession.h"

namespace {

using testing_support::CloseColour;
constexpr int kWidth = 640;
constexpr int kHeight = 360;
constexpr DWORD kPlayTimeoutMs = 20000;
// Shown beyond the frames the clock has reached: the one presented up to
// three quarters of a frame early, and the preroll frame and repaints of the
// still picture before the start.
constexpr LONGLONG kFramesAheadAllowed = 4;
// The test pattern's colour bars, at a height that nothing moves across.
struct Probe {
    int x, y;
    COLORREF colour;
};
constexpr Probe kBars[] = {
    {60, 120, RGB(255, 0, 0)}, {160, 120, RGB(0, 255, 0)}, {265, 120, RGB(255, 255, 0)}, {370, 120, RGB(0, 0, 255)}};
constexpr int kColourTolerance = 48;

// A pixel of a bottom-up 32-bit DIB as a COLORREF.
COLORREF GrabbedPixel(const BYTE* pixels, int x, int y) {
    const BYTE* bgr = pixels + ((kHeight - 1 - y) * kWidth + x) * 4;
    return RGB(bgr[2], bgr[1], bgr[0]);
}

TEST(PresenterPlayback, PlaysTheMovieThroughThePresenterAndGrabsItsLastFrame) {
    MediaFoundationScope mediaFoundation;
    ASSERT_TRUE(mediaFoundation.Ready());
    const auto path = TestRecordingPath("video_only.MOV");
    const RecordingRecipe& recipe = StandardRecording("video_only.MOV");
    const int frames = ExpectedFrameCount(recipe);
    const LONGLONG frameDuration = LONGLONG{recipe.frameDelta} * 10000000 / 90000;  // 90 kHz ticks to 100 ns
    testing_support::HostWindow window({0, 0, kWidth, kHeight});
    {
        PresenterTestSession session;
        ASSERT_EQ(session.Open(path.wstring(), window.Handle()), S_OK);
        const auto display = session.DisplayControl();
        ASSERT_TRUE(display);
        BITMAPINFOHEADER header{};
        BYTE* pixels = nullptr;
        DWORD size = 0;
        EXPECT_TRUE(FAILED(display->GetCurrentImage(&header, &pixels, &size, nullptr))) << "nothing presented yet";
        RECT destination{0, 0, kWidth, kHeight};
        ASSERT_EQ(display->SetVideoPosition(nullptr, &destination), S_OK);

        ASSERT_EQ(session.Start(), S_OK);
        ASSERT_TRUE(testing_support::PumpUntil([&] { return session.ClockTime() >= 10000000; }, kPlayTimeoutMs));
        // Read before the clock, which only moves on: frames wait for it.
        const long shown = session.Presenter()->Counts().presented;
        EXPECT_LE(shown, session.ClockTime() / frameDuration + kFramesAheadAllowed) << "frames wait for the clock";
        ASSERT_EQ(session.WaitForEnd(kPlayTimeoutMs), S_OK);
        EXPECT_GE(session.Presenter()->Counts().presented, frames - 1);

        testing_support::DibCanvas screen(kWidth, kHeight);
        testing_support::CaptureWindow(window.Handle(), screen);
        ASSERT_EQ(display->GetCurrentImage(&header, &pixels, &size, nullptr), S_OK);
        EXPECT_EQ(header.biSize, 40u);
        EXPECT_EQ(header.biWidth, kWidth);
        EXPECT_EQ(header.biHeight, kHeight) << "bottom-up";
        EXPECT_EQ(header.biBitCount, 32);
        EXPECT_EQ(size, DWORD{kWidth * kHeight * 4});
        for (const Probe& probe : kBars) {
            EXPECT_TRUE(CloseColour(screen.Pixel(probe.x, probe.y), probe.colour, kColourTolerance))
                << "window at " << probe.x;
            EXPECT_TRUE(CloseColour(GrabbedPixel(pixels, probe.x, probe.y), probe.colour, kColourTolerance))
                << "grab at " << probe.x;
        }
        CoTaskMemFree(pixels);
    }
    EXPECT_TRUE(testing_support::PumpUntil([] { return PresenterObjectsAlive() == 0; }, 5000));
}

}  // namespace
