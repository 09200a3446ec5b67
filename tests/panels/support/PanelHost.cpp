#include "support/PanelHost.h"

#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "framework/DeviceContext.h"
#include "support/MessagePump.h"
#include "support/PanelRecords.h"
#include "support/TestGdiplus.h"
#include "ui/shared/UiFonts.h"

namespace testing_support {

void PanelTest::SetUp() {
    EnsureGdiplus();
    ASSERT_EQ(InitUiFontsAndFolder(GetDesktopWindow()), 1);
    ASSERT_EQ(PlayerEngine::Init(&engine, nullptr, L"face"), 1);
    engine.PlayerEngineReady = 1;
    host = std::make_unique<HostWindow>(RECT{0, 0, 1120, 700});
    host->SetPos(HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    ASSERT_EQ(skin.LoadImages(host->Handle()), 1);
    const fw::WindowDC dc(host->Handle());
    ASSERT_TRUE(surface.Create(dc.Get(), 1120, 1120));
}

void PanelTest::TearDown() {
    host.reset();
    PlayerEngine::Uninit(&engine);
    DeleteUiFonts();
}

void PanelTest::ShowStandard(const std::string& fileName) {
    const RecordingRecipe& recipe = StandardRecording(fileName);
    frames = ExpectedFrameCount(recipe);
    engine.frameDuration = RecipeFrameDuration(recipe);
    ASSERT_TRUE(ShowRecording(engine, TestRecordingPath(fileName).wstring(), frames, engine.frameDuration));
}

int PanelTest::FrameOfEntry(int entry) const { return testing_support::FrameOfEntry(Records(), entry); }

void PanelTest::Capture(HWND window, DibCanvas& shot, const wchar_t* name) const {
    CaptureWindow(window, shot);
    shot.SaveBmp(std::wstring(name) + L".bmp");
}

int CountNear(const DibCanvas& shot, const RECT& area, COLORREF colour, int tolerance) {
    int count = 0;
    for (int y = area.top; y < area.bottom; ++y) {
        for (int x = area.left; x < area.right; ++x) {
            count += CloseColour(shot.Pixel(x, y), colour, tolerance) ? 1 : 0;
        }
    }
    return count;
}

MSG TakePosted(HWND window, UINT message) {
    MSG taken{};
    if (!PeekMessageW(&taken, window, message, message, PM_REMOVE)) {
        taken.message = WM_NULL;
    }
    return taken;
}

}  // namespace testing_support
