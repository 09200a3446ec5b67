// The snapshot command through the real engine under Wine: the JPEG it
// writes holds the frame the video surface shows, the right way up.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which they need; GDI+ needs objidl.h first.
#include <objidl.h>
#include <gdiplus.h>
#include <mfidl.h>
#include <evr.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "framework/ComPtr.h"
#include "player/MediaFoundationBackend.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/DibCanvas.h"
#include "support/MainWindowFixture.h"
#include "support/MessagePump.h"
#include "support/TestGdiplus.h"

namespace {

using Access = CkadomirDlgTestAccess;
using testing_support::PumpUntil;

constexpr int kVideoSurfaceId = 1000;
// The picture is compared cell by cell: the JPEG's loss and the surface's
// scaling stay well inside this; a blank, shifted or upside-down grab
// does not.
constexpr int kCellsAcross = 8;
constexpr int kCellsDown = 6;
constexpr int kMostChannelDifference = 24;
// Between the darkest and the brightest cell of the test picture's bars.
constexpr int kLeastPictureContrast = 150;

struct Mean {
    int red = 0, green = 0, blue = 0;
};

// The mean colour of a cell of a picture given as a pixel reader.
template <class PixelAt>
Mean CellMean(const RECT& area, int column, int row, PixelAt pixelAt) {
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    // The cell's middle half, away from edges the scaling blurs.
    const int left = area.left + width * (4 * column + 1) / (4 * kCellsAcross);
    const int right = area.left + width * (4 * column + 3) / (4 * kCellsAcross);
    const int top = area.top + height * (4 * row + 1) / (4 * kCellsDown);
    const int bottom = area.top + height * (4 * row + 3) / (4 * kCellsDown);
    long red = 0, green = 0, blue = 0, count = 0;
    for (int y = top; y < bottom; ++y) {
        for (int x = left; x < right; ++x) {
            const COLORREF c = pixelAt(x, y);
            red += GetRValue(c);
            green += GetGValue(c);
            blue += GetBValue(c);
            ++count;
        }
    }
    if (count == 0) return {};
    return {static_cast<int>(red / count), static_cast<int>(green / count), static_cast<int>(blue / count)};
}

class MainWindowSnapshotEndToEnd : public testing_support::MainWindowTest {
protected:
    void StartWithTheEngine() {
        testing_support::EnsureGdiplus();
        UseSourceFolder(Samples(), {"2401020320_M003.MOV"});
        MainWindowSeams seams = Seams();
        seams.fillEngineTable = FillPlayerEngineTable;
        seams.timers = std::make_shared<WindowTimers>();
        Start(std::move(seams));
    }
    // Where the player puts the video in the surface's client area.
    bool VideoArea(RECT& area) {
        auto* backend = dynamic_cast<MediaFoundationBackend*>(block.EnginePlaybackBackend.get());
        if (backend == nullptr) return false;
        const fw::ComPtr<IMFVideoDisplayControl> display = backend->Player()->DisplayControl();
        MFVideoNormalizedRect source{};
        return display && SUCCEEDED(display->GetVideoPosition(&source, &area));
    }
    // The screen under the video surface's client area shows the colourful
    // test picture, not a blank.
    bool SurfaceShowsAPicture() {
        const HWND surface = Child(kVideoSurfaceId);
        RECT client{};
        GetClientRect(surface, &client);
        testing_support::DibCanvas shown(client.right, client.bottom);
        testing_support::CaptureWindow(surface, shown);
        int darkest = 3 * 255;
        int brightest = 0;
        for (int row = 0; row < kCellsDown; ++row) {
            for (int column = 0; column < kCellsAcross; ++column) {
                const Mean m = CellMean(client, column, row, [&](int x, int y) { return shown.Pixel(x, y); });
                darkest = std::min(darkest, m.red + m.green + m.blue);
                brightest = std::max(brightest, m.red + m.green + m.blue);
            }
        }
        return brightest - darkest >= kLeastPictureContrast;
    }
    fw::ComApartment ole_{fw::ComApartment::Kind::Ole};  // as the program's thread is
};

TEST_F(MainWindowSnapshotEndToEnd, TheJpegHoldsTheFrameTheSurfaceShows) {
    StartWithTheEngine();
    ASSERT_TRUE(OpenChosenClip());
    Command(38002);
    ASSERT_TRUE(PumpUntil([&] { return Access::SeekSlider(*dialog).position > 10; }));
    EXPECT_TRUE(PumpUntil([&] { return SurfaceShowsAPicture(); })) << "the video plays visibly";
    Command(38002);
    ASSERT_EQ(block.EnginePlayState, PlayState::kPaused);
    const std::wstring pictures = folder.File(L"写真");
    CreateDirectoryW(pictures.c_str(), nullptr);
    prompts.QueueFolder({fw::FolderChoice::Outcome::Chosen, pictures});
    Command(38006);
    const std::vector<std::wstring> saved = FilesIn(pictures);
    ASSERT_EQ(saved.size(), 1u);
    Gdiplus::Bitmap jpeg((pictures + L"\\" + saved[0]).c_str());
    ASSERT_EQ(jpeg.GetLastStatus(), Gdiplus::Ok);

    RECT area{};
    ASSERT_TRUE(VideoArea(area));
    const HWND surface = Child(kVideoSurfaceId);
    RECT client{};
    GetClientRect(surface, &client);
    POINT origin{0, 0};
    ClientToScreen(surface, &origin);
    RECT window{};
    GetWindowRect(surface, &window);
    testing_support::DibCanvas shown(window.right - window.left, window.bottom - window.top);
    testing_support::CaptureWindow(surface, shown);
    // The capture starts at the window's corner, the area at the client's.
    OffsetRect(&area, origin.x - window.left, origin.y - window.top);
    const RECT captured{0, 0, shown.Width(), shown.Height()};
    IntersectRect(&area, &area, &captured);
    ASSERT_FALSE(IsRectEmpty(&area));

    const RECT whole{0, 0, static_cast<LONG>(jpeg.GetWidth()), static_cast<LONG>(jpeg.GetHeight())};
    int worst = 0;
    int darkest = 3 * 255;
    int brightest = 0;
    for (int row = 0; row < kCellsDown; ++row) {
        for (int column = 0; column < kCellsAcross; ++column) {
            const Mean a = CellMean(area, column, row, [&](int x, int y) { return shown.Pixel(x, y); });
            const Mean b = CellMean(whole, column, row, [&](int x, int y) {
                Gdiplus::Color c;
                jpeg.GetPixel(x, y, &c);
                return RGB(c.GetR(), c.GetG(), c.GetB());
            });
            worst = std::max({worst, std::abs(a.red - b.red), std::abs(a.green - b.green),
                              std::abs(a.blue - b.blue)});
            darkest = std::min(darkest, b.red + b.green + b.blue);
            brightest = std::max(brightest, b.red + b.green + b.blue);
        }
    }
    // Two blank pictures would match as well.
    EXPECT_GE(brightest - darkest, kLeastPictureContrast) << "a picture, not a blank";
    EXPECT_LE(worst, kMostChannelDifference) << "the frame shown, the right way up";
    ASSERT_TRUE(CloseFromSystemMenu());
}

}  // namespace
