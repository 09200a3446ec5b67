#include <windows.h>
// GDI+ needs the COM declarations that the lean Windows headers leave out.
#include <objidl.h>
#include <gdiplus.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <vector>

#include "PlaybackFixture.h"
#include "PlayerMessages.h"
#include "StandardRecordings.h"
#include "support/DibCanvas.h"
#include "support/MessagePump.h"
#include "support/TestGdiplus.h"
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

}  // namespace

namespace {

// A window of the movie's own size, so the picture shown is the frame 1:1.
class SnapshotTest : public PlaybackTest {
protected:
    static constexpr char kMovie[] = "video_only.MOV";

    void SetUp() override {
        const RecordingRecipe& recipe = StandardRecording(kMovie);
        windowWidth_ = recipe.width;
        windowHeight_ = recipe.height;
        PlaybackTest::SetUp();
        testing_support::EnsureGdiplus();
    }
};

// The JPEG's pixels, top row first.
bool DecodeJpeg(const std::wstring& path, int& width, int& height, std::vector<COLORREF>& pixels) {
    Gdiplus::Bitmap bitmap(path.c_str());
    if (bitmap.GetLastStatus() != Gdiplus::Ok) return false;
    width = static_cast<int>(bitmap.GetWidth());
    height = static_cast<int>(bitmap.GetHeight());
    Gdiplus::Rect all(0, 0, width, height);
    Gdiplus::BitmapData data{};
    if (bitmap.LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppRGB, &data) != Gdiplus::Ok) return false;
    pixels.clear();
    for (int y = 0; y < height; ++y) {
        const auto* row = reinterpret_cast<const BYTE*>(data.Scan0) + static_cast<ptrdiff_t>(y) * data.Stride;
        for (int x = 0; x < width; ++x) pixels.push_back(RGB(row[x * 4 + 2], row[x * 4 + 1], row[x * 4]));
    }
    bitmap.UnlockBits(&data);
    return true;
}

// Between the darkest and the brightest pixel of the colourful test picture;
// a blank frame has none.
constexpr int kLeastPictureContrast = 150;

double ChannelDifference(COLORREF a, COLORREF b) {
    return (std::abs(GetRValue(a) - GetRValue(b)) + std::abs(GetGValue(a) - GetGValue(b)) +
            std::abs(GetBValue(a) - GetBValue(b))) / 3.0;
}

TEST_F(SnapshotTest, JpegShowsTheFrameOnScreenAtTheVideosOwnSize) {
    OpenReady(kMovie);
    ScratchFolder folder;
    const std::wstring early = (folder / "early.jpg").wstring();
    EXPECT_EQ(table_.SaveSnapshot(&engine_, early.c_str()), 0) << "nothing presented yet";
    EXPECT_FALSE(std::filesystem::exists(early));

    PlaceLikeTheMainWindow();
    ASSERT_EQ(table_.SeekToFrame(&engine_, 30), 1);
    EXPECT_NEAR(SettledFrame(), 30, 2);
    PumpFor(300);
    testing_support::DibCanvas screen(windowWidth_, windowHeight_);
    testing_support::CaptureWindow(window_->Handle(), screen);
    const std::wstring jpeg = (folder / "frame.jpg").wstring();
    ASSERT_EQ(table_.SaveSnapshot(&engine_, jpeg.c_str()), 1);

    int width = 0;
    int height = 0;
    std::vector<COLORREF> pixels;
    ASSERT_TRUE(DecodeJpeg(jpeg, width, height, pixels));
    ASSERT_EQ(width, windowWidth_);
    ASSERT_EQ(height, windowHeight_);
    double total = 0.0;
    double topRow = 0.0;
    int darkest = 3 * 255;
    int brightest = 0;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const COLORREF pixel = pixels[static_cast<size_t>(y) * width + x];
            const double difference = ChannelDifference(pixel, screen.Pixel(x, y));
            total += difference;
            if (y < 8) topRow += difference;
            const int brightness = GetRValue(pixel) + GetGValue(pixel) + GetBValue(pixel);
            darkest = std::min(darkest, brightness);
            brightest = std::max(brightest, brightness);
        }
    }
    // A blank window and a blank grab would match as well.
    EXPECT_GE(brightest - darkest, kLeastPictureContrast) << "a picture, not a blank";
    // The JPEG's loss on the bars' sharp edges stays well under these; a
    // flipped or shifted picture does not.
    EXPECT_LT(total / (width * height), 14.0) << "the frame shown, neither blank nor flipped";
    EXPECT_LT(topRow / (width * 8), 16.0) << "the top rows are the picture's top";
}

// Between the darkest and the brightest of every seventh pixel of a grab.
int Contrast(const CapturedImage& image) {
    int darkest = 3 * 255;
    int brightest = 0;
    for (size_t i = 0; i + 3 < image.pixels.size(); i += 7 * 4) {
        const int brightness = image.pixels[i] + image.pixels[i + 1] + image.pixels[i + 2];
        darkest = std::min(darkest, brightness);
        brightest = std::max(brightest, brightness);
    }
    return brightest - darkest;
}

// The renderer draws the next frames into the surface of the frame shown
// last while a grab may be reading it: grabs as fast as they go, over
// clips of two sizes played one after another.
TEST_F(SnapshotTest, GrabsWhileClipsPlayAreWholePictures) {
    constexpr DWORD kPlayWaitMs = 20000;
    for (const char* name : {"2401020320_M003.MOV", kMovie, "2401020320_M003.MOV"}) {
        const RecordingRecipe& recipe = StandardRecording(name);
        OpenReady(name);
        PlaceLikeTheMainWindow();
        auto* backend = dynamic_cast<MediaFoundationBackend*>(engine_.EnginePlaybackBackend.get());
        ASSERT_NE(backend, nullptr) << name;
        const int ended = window_->Count(WM_PLAYER_ENDED);
        ASSERT_EQ(table_.Play(&engine_), 1) << name;
        int grabs = 0;
        int blank = 0;
        int misshapen = 0;
        const ULONGLONG deadline = GetTickCount64() + kPlayWaitMs;
        while (window_->Count(WM_PLAYER_ENDED) == ended && GetTickCount64() < deadline) {
            CapturedImage image;
            if (backend->GrabCurrentImage(image)) {
                ++grabs;
                if (image.width != recipe.width || image.height != recipe.height) ++misshapen;
                if (Contrast(image) < kLeastPictureContrast) ++blank;
            }
            testing_support::PumpPending();
        }
        EXPECT_GT(window_->Count(WM_PLAYER_ENDED), ended) << name << " played to its end";
        EXPECT_GT(grabs, 0) << name;
        EXPECT_EQ(blank, 0) << name << ": of " << grabs << " grabs";
        EXPECT_EQ(misshapen, 0) << name << ": of " << grabs << " grabs";
        CloseTimed();
        window_ = std::make_unique<PlaybackWindow>(windowWidth_, windowHeight_);
        engine_.videoWindow = window_->Handle();
    }
}

}  // namespace
