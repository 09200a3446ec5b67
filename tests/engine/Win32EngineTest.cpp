#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "PlayerEngine.h"
#include "ProcessCounts.h"
#include "ReaderTestSupport.h"
#include "TestRecordings.h"
#include "platform/NamedMutex.h"
#include "reader/ReaderView.h"

namespace {

bool IsLiveGdiObject(HGDIOBJ object) { return GetObjectType(object) != 0; }

class VideoWindow {
public:
    VideoWindow()
        : window_(CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 320, 180, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)) {}
    ~VideoWindow() { DestroyWindow(window_); }
    VideoWindow(const VideoWindow&) = delete;
    VideoWindow& operator=(const VideoWindow&) = delete;
    HWND get() const { return window_; }

private:
    HWND window_;
};

TEST(Win32Engine, SetUpAndTakeDownLeaveNoHandleOrGdiObjectBehind) {
    VideoWindow window;
    ASSERT_NE(window.get(), nullptr);
    PlayerEngine engine;
    // One round first, so the system's own one-time allocations are made.
    ASSERT_EQ(PlayerEngine::Init(&engine, window.get(), L"メイリオ"), 1);
    PlayerEngine::Uninit(&engine);
    const DWORD before = CountOpenHandles();

    ASSERT_EQ(PlayerEngine::Init(&engine, window.get(), L"メイリオ"), 1);
    HFONT__* firstFont = engine.overlayFont;
    ASSERT_TRUE(IsLiveGdiObject(firstFont));
    // Two engine locks and three walk-lock handles.
    EXPECT_EQ(CountOpenHandles(), before + 5);

    ASSERT_EQ(PlayerEngine::Init(&engine, window.get(), L"メイリオ"), 1);
    EXPECT_EQ(CountOpenHandles(), before + 5) << "a second set-up keeps one pair of locks";
    EXPECT_TRUE(IsLiveGdiObject(engine.overlayFont));
    if (engine.overlayFont != firstFont) {
        EXPECT_FALSE(IsLiveGdiObject(firstFont)) << "and one overlay font";
    }

    ASSERT_TRUE(engine.LoadedClipReader.OpenAndParse(TestRecordingPath("2401020304_A001.MOV").wstring()));
    HFONT__* lastFont = engine.overlayFont;
    PlayerEngine::Uninit(&engine);
    EXPECT_EQ(CountOpenHandles(), before);
    EXPECT_FALSE(IsLiveGdiObject(lastFont));
    EXPECT_EQ(engine.overlayFont, nullptr);
    EXPECT_EQ(PlayerEngineWaiters, 0u);
}

// Readers that cannot get their walk lock fail the set-up after its own
// locks and font were made: those go at once, not when the program ends.
TEST(Win32Engine, AFailedSetUpLeavesNoLockOrFontBehind) {
    VideoWindow window;
    PlayerEngine engine;
    ASSERT_EQ(PlayerEngine::Init(&engine, window.get(), L"メイリオ"), 1);
    PlayerEngine::Uninit(&engine);
    const DWORD before = CountOpenHandles();
    {
        ScopedNamedMutexFactory refuse([](const wchar_t* name) -> std::unique_ptr<NamedMutex> {
            return std::wstring(name) == L"hMutexFind" ? nullptr : CreateSystemNamedMutex(name);
        });
        ASSERT_EQ(PlayerEngine::Init(&engine, window.get(), L"メイリオ"), 0);
    }
    EXPECT_EQ(CountOpenHandles(), before);
    EXPECT_EQ(engine.overlayFont, nullptr);
}

TEST(Win32Engine, OverlayFontFollowsTheWindowsDpi) {
    VideoWindow window;
    PlayerEngine engine;
    ASSERT_EQ(PlayerEngine::Init(&engine, window.get(), L"メイリオ"), 1);
    LOGFONTW font{};
    ASSERT_NE(GetObjectW(engine.overlayFont, sizeof font, &font), 0);
    HDC dc = GetDC(window.get());
    const int dpi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(window.get(), dc);
    EXPECT_EQ(font.lfHeight, -MulDiv(42, dpi, 72));
    EXPECT_EQ(font.lfWeight, 700);
    EXPECT_EQ(font.lfCharSet, SHIFTJIS_CHARSET);
    EXPECT_STREQ(font.lfFaceName, L"メイリオ");
    PlayerEngine::Uninit(&engine);
}

// A view the system refuses reaches the user through the reporter, with the
// system's error code; views are never asked for past the end.
TEST(Win32Engine, RefusedViewIsReportedWithTheSystemError) {
    RecordedMappingErrors errors;
    auto source = OpenFileByteSource(TestRecordingPath("2401020304_A001.MOV"));
    ASSERT_NE(source, nullptr);
    EXPECT_EQ(source->AllocationGranularity(), 65536u);
    uint32_t error = 0;
    EXPECT_EQ(source->Map(0, static_cast<size_t>(source->Size()) + 1, ViewUse::kPeek, error), nullptr);
    EXPECT_EQ(error, static_cast<uint32_t>(ERROR_ACCESS_DENIED));

    EXPECT_FALSE(MapReaderView(*source, 0, 16, 0).has_value()) << "nothing to map: no message";
    EXPECT_TRUE(errors.Errors().empty());

    // Lie about the limit to make the system refuse a view past the end.
    EXPECT_FALSE(MapReaderView(*source, 0, source->Size() + 100, source->Size() + 100).has_value());
    ASSERT_EQ(errors.Errors().size(), 1u);
    EXPECT_EQ(errors.Errors()[0], static_cast<uint32_t>(ERROR_ACCESS_DENIED));
}

}  // namespace
