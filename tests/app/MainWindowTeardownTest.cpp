// Closing the main window: the order of the teardown, the locks, the
// worker job, and the two ways to close.
#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <functional>

#include "KnownBoxTypes.h"
#include "framework/Application.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"

namespace {

using testing_support::MainWindowTest;
using Access = CkadomirDlgTestAccess;

// A clip that plays: what the window would have after an opening.
void PlayAClip() {
    PlayerEngine& engine = ThePlayerEngine();
    engine.EnginePlayState = PlayState::kPlaying;
    engine.EngineSpeedIndex = 2;
    engine.clipDataLoaded = 1;
}

TEST_F(MainWindowTest, SystemCloseStopsPlaybackBeforeTheEngineGoesAndQuits) {
    Start();
    PlayAClip();
    engine.Reset();
    ASSERT_TRUE(CloseFromSystemMenu());
    const std::vector<std::string> calls = engine.Calls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "StopTimer 103");
    // Paused, then stopped.
    const auto pause = std::find(calls.begin(), calls.end(), "Pause");
    ASSERT_NE(pause, calls.end());
    EXPECT_NE(std::find(pause, calls.end(), "Stop"), calls.end());
    EXPECT_TRUE(engine.Called("SetSpeed 1"));
    EXPECT_TRUE(engine.Called("UnloadClipData"));
    EXPECT_TRUE(engine.Called("CloseMovie"));
    // The engine goes last, and nothing reaches it afterwards.
    EXPECT_EQ(engine.CallsFrom("Uninit"), std::vector<std::string>{"Uninit"});
    // The playback tick is gone before the engine.
    EXPECT_NE(std::find(calls.begin(), calls.end(), "StopTimer 100"), calls.end());
    const auto uninit = std::find(calls.begin(), calls.end(), "Uninit");
    EXPECT_EQ(std::find(uninit, calls.end(), "StopTimer 100"), calls.end());
    EXPECT_EQ(ThePlayerEngine().PlayerEngineReady, 0u);
    EXPECT_EQ(ThePlayerEngine().clipDataLoaded, 0u);
    EXPECT_EQ(KnownBoxTypes(), nullptr);
}

TEST_F(MainWindowTest, APausedClipIsNotPausedAgain) {
    Start();
    PlayAClip();
    ThePlayerEngine().EnginePlayState = PlayState::kPaused;
    engine.Reset();
    ASSERT_TRUE(CloseFromSystemMenu());
    EXPECT_FALSE(engine.Called("Pause"));
    EXPECT_TRUE(engine.Called("Stop"));
}

TEST_F(MainWindowTest, TeardownLetsTheNamedLocksGo) {
    Start();
    EXPECT_TRUE(Access::HoldsLocks(*dialog));
    ASSERT_TRUE(CloseFromSystemMenu());
    EXPECT_FALSE(Access::HoldsLocks(*dialog));
    // Nobody else holds them, so the names are free again.
    for (const wchar_t* name : {L"hMutexCache", L"hMutexCpSet"}) {
        fw::UniqueHandle lock(OpenMutexW(SYNCHRONIZE, FALSE, name));
        EXPECT_FALSE(lock.Valid()) << name;
    }
}

TEST_F(MainWindowTest, TheCloseButtonTearsDownAndEndsTheDialog) {
    Start();
    engine.Reset();
    SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(14, BN_CLICKED), reinterpret_cast<LPARAM>(Child(14)));
    EXPECT_TRUE(engine.Called("Uninit"));
    // A modeless dialog that ends hides; no quit message is needed.
    EXPECT_FALSE(IsWindowVisible(Window()));
    EXPECT_FALSE(testing_support::PumpUntilQuit(Window(), 100));
}

TEST_F(MainWindowTest, TheMinimizeButtonOnlyMinimizes) {
    Start();
    engine.Reset();
    SendMessageW(Window(), WM_COMMAND, MAKEWPARAM(15, BN_CLICKED), reinterpret_cast<LPARAM>(Child(15)));
    EXPECT_TRUE(IsIconic(Window()));
    EXPECT_FALSE(engine.Called("Uninit"));
    ShowWindow(Window(), SW_RESTORE);
}

TEST_F(MainWindowTest, TeardownEndsAWorkerBlockedInSendingToTheWindowBeforeTheEngineGoes) {
    Start();
    const HWND window = Window();
    std::atomic<bool> sending{false};
    dialog->StartWorker([&](CkadomirDlg& owner) {
        while (owner.WorkerRunning()) {
            sending = true;
            // Bounded, so a teardown that does not serve the message shows
            // as a slow close instead of a hung test.
            DWORD_PTR result = 0;
            SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 10000, &result);
        }
        testing_support::FakeEngine::Instance().Log("worker ended");
        return 0u;
    });
    // While the job runs the window's own controls are off.
    EXPECT_EQ(Access::ControlsOff(*dialog), 1);
    EXPECT_FALSE(IsWindowEnabled(Child(14)));
    // The job's first message is waiting for this thread.
    while (!sending) {
        Sleep(1);
    }
    engine.Reset();
    const auto started = std::chrono::steady_clock::now();
    ASSERT_TRUE(CloseFromSystemMenu());
    const auto took = std::chrono::steady_clock::now() - started;
    EXPECT_LT(took, std::chrono::seconds(5));
    const std::vector<std::string> calls = engine.Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ(calls[0], "StopTimer 103");
    EXPECT_EQ(calls[1], "worker ended");
    EXPECT_TRUE(engine.Called("Uninit"));
    EXPECT_FALSE(dialog->WorkerRunning());
}

// An application whose main window is made and closed inside its start-up,
// so the window's idle timer finds it running.
class IdleCountingApplication : public fw::Application {
public:
    std::function<void()> duringStartUp;
    int idleCalls = 0;
    BOOL OnIdle(LONG count) override {
        idleCalls += count == 1 ? 1 : 100;
        return FALSE;
    }

protected:
    BOOL InitInstance() override {
        duringStartUp();
        return FALSE;
    }
};

TEST_F(MainWindowTest, TheIdleTimerRunsTheApplicationsIdleWork) {
    IdleCountingApplication application;
    application.duringStartUp = [&] {
        Start();
        SendMessageW(Window(), WM_TIMER, 103, 0);
        SendMessageW(Window(), WM_TIMER, 103, 0);
    };
    application.Run();
    EXPECT_EQ(application.idleCalls, 2);
}

}  // namespace
