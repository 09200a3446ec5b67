#include <gtest/gtest.h>

#include "PlaybackFixture.h"
#include "TestRecordings.h"
#include "player/MediaFoundationBackend.h"

namespace {

// A 16:9 movie in a 4:3 window.
class PlayerPictureTest : public PlaybackTest {
protected:
    void SetUp() override {
        windowWidth_ = 640;
        windowHeight_ = 480;
        PlaybackTest::SetUp();
    }
    fw::ComPtr<IMFVideoDisplayControl> Display() {
        auto* backend = dynamic_cast<MediaFoundationBackend*>(engine_.EnginePlaybackBackend.get());
        return backend ? backend->Player()->DisplayControl() : fw::ComPtr<IMFVideoDisplayControl>();
    }
    COLORREF PixelAt(int x, int y) {
        HDC dc = GetDC(window_->Handle());
        const COLORREF colour = GetPixel(dc, x, y);
        ReleaseDC(window_->Handle(), dc);
        return colour;
    }
};

TEST_F(PlayerPictureTest, KeepingTheAspectLetterBoxesTheVideo) {
    OpenReady("2401020320_M003.MOV");
    ASSERT_EQ(table_.SetKeepAspect(&engine_, 1), 1);
    EXPECT_EQ(engine_.keepAspect, 1u);
    fw::ComPtr<IMFVideoDisplayControl> display = Display();
    ASSERT_TRUE(display);
    MFVideoNormalizedRect source{};
    RECT target{};
    ASSERT_TRUE(SUCCEEDED(display->GetVideoPosition(&source, &target)));
    // 640 wide makes 360 high, centred with two pixels to spare.
    EXPECT_EQ(target.left, 0);
    EXPECT_EQ(target.top, 60);
    EXPECT_EQ(target.right, 642);
    EXPECT_EQ(target.bottom, 422);
    EXPECT_EQ(PixelAt(320, 20), RGB(0, 0, 0)) << "the band above is black";

    // Mode 0 sets the same destination again.
    ASSERT_EQ(table_.SetDisplayMode(&engine_, 0), 1);
    RECT again{};
    ASSERT_TRUE(SUCCEEDED(display->GetVideoPosition(&source, &again)));
    EXPECT_TRUE(EqualRect(&target, &again));
}

TEST_F(PlayerPictureTest, NoOverlayWhereTheRendererMixesNoBitmap) {
    OpenReady("2401020320_M003.MOV");
    PlaceLikeTheMainWindow();
    EXPECT_EQ(table_.DrawOverlayText(&engine_, L"x2.0"), 0);
    EXPECT_EQ(table_.Play(&engine_), 1) << "the movie plays on without it";
}

TEST_F(PlayerPictureTest, NoSnapshotBeforeTheMovieIsReady) {
    ScratchFolder folder;
    const std::wstring path = TestRecordingPath("2401020320_M003.MOV").wstring();
    ASSERT_EQ(table_.OpenMovie(&engine_, path.c_str()), 1);
    const std::filesystem::path jpeg = folder / "early.jpg";
    EXPECT_EQ(table_.SaveSnapshot(&engine_, jpeg.wstring().c_str()), 0);
    EXPECT_FALSE(std::filesystem::exists(jpeg));
}

}  // namespace
