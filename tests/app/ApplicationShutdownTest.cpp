// The program's end: the main window goes first (its skin images are GDI+
// bitmaps, its off-screen DC holds a shared font selected), then the
// shared fonts, and GDI+ shuts down last.
#include <gtest/gtest.h>

#include <memory>

#include "app/CkadomirApp.h"
#include "app/CkadomirDlg.h"
#include "framework/GdiplusSession.h"
#include "support/MainWindowFixture.h"
#include "ui/shared/UiFonts.h"

namespace {

struct ShutdownWitness {
    bool seen = false;
    bool fontsAlive = false;
    int gdiplusSessions = 0;
};

// Rides in the main window's seams, so it goes with the window and sees
// what is left of the fonts and GDI+ at that moment.
class WindowEndProbe {
public:
    explicit WindowEndProbe(ShutdownWitness& witness) : witness_(witness) {}
    ~WindowEndProbe() {
        witness_.seen = true;
        witness_.fontsAlive = true;
        for (HFONT font : {g_fontSmall, g_fontNormal, g_fontMedium, g_fontLarge, g_fontHuge}) {
            witness_.fontsAlive = witness_.fontsAlive && font != nullptr && GetObjectType(font) == OBJ_FONT;
        }
        witness_.gdiplusSessions = fw::GdiplusSession::Running();
    }
    WindowEndProbe(const WindowEndProbe&) = delete;
    WindowEndProbe& operator=(const WindowEndProbe&) = delete;

private:
    ShutdownWitness& witness_;
};

CkadomirApp* g_closing = nullptr;

// Closes the main window from its system menu once its loop runs.
void CALLBACK CloseTheMainWindow(HWND, UINT, UINT_PTR timer, DWORD) {
    CkadomirDlg* window = g_closing != nullptr ? g_closing->MainWindow() : nullptr;
    if (window == nullptr || !IsWindowVisible(window->Handle())) {
        return;
    }
    KillTimer(nullptr, timer);
    PostMessageW(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

class ApplicationShutdown : public testing_support::MainWindowTest {};

TEST_F(ApplicationShutdown, TheMainWindowGoesBeforeTheFontsAndGdiplus) {
    ShutdownWitness witness;
    const int sessionsBefore = fw::GdiplusSession::Running();
    CkadomirApp app([this, &witness] {
        MainWindowSeams seams = Seams();
        auto probe = std::make_shared<WindowEndProbe>(witness);
        seams.settingsDialog = [probe, make = seams.settingsDialog] { return make(); };
        return seams;
    });
    g_closing = &app;
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, &CloseTheMainWindow);
    app.Run();
    KillTimer(nullptr, timer);
    g_closing = nullptr;
    // The modal loop leaves the quit behind for the thread's own loop.
    MSG quit;
    PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE);

    ASSERT_TRUE(witness.seen);
    EXPECT_TRUE(witness.fontsAlive) << "the fonts were deleted before the main window";
    EXPECT_EQ(witness.gdiplusSessions, sessionsBefore + 1) << "GDI+ shut down before the main window";
    EXPECT_EQ(fw::GdiplusSession::Running(), sessionsBefore);
    EXPECT_EQ(g_fontNormal, nullptr);
}

}  // namespace
