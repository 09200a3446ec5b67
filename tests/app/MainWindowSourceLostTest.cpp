// The source disappears under a running window: the watcher's report reaches
// the main window, which closes the clip and empties the panel, and which
// ends too when the source lay on the program's own drive.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <cstring>

#include "TestRecordings.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "support/MessagePump.h"

namespace {

using Access = CkadomirDlgTestAccess;
using testing_support::PumpUntil;
using testing_support::PumpUntilQuit;

// A clip as the window has it after an opening.
void PlayAClip(CkadomirDlg& dialog) {
    PlayerEngine& engine = ThePlayerEngine();
    engine.EnginePlayState = PlayState::kPlaying;
    engine.EngineSpeedIndex = 2;
    engine.clipDataLoaded = 1;
    Access::SetClipOpen(dialog, 1);
}

class MainWindowSourceLost : public testing_support::MainWindowTest {
protected:
    // A folder source "...\card\recordings" of two recordings. A folder
    // source is watched through its parent, so the card's folder is what
    // goes missing.
    void UseSourceOn(const std::wstring& root) {
        card_ = root + L"\\card";
        const std::wstring recordings = card_ + L"\\recordings";
        CreateDirectoryW(root.c_str(), nullptr);
        CreateDirectoryW(card_.c_str(), nullptr);
        CreateDirectoryW(recordings.c_str(), nullptr);
        for (const char* name : {"2401020304_A001.MOV", "2401020312_G002.MOV"}) {
            const std::wstring target = recordings + L"\\" + std::wstring(name, name + std::strlen(name));
            ASSERT_TRUE(CopyFileW(TestRecordingPath(name).wstring().c_str(), target.c_str(), FALSE)) << name;
        }
        WriteSetting(L"SOURCE", L"SELECT", L"FOLDER");
        WriteSetting(L"SOURCE", L"FOLDER", recordings.c_str());
    }
    void PullTheCard() const { testing_support::RemoveTree(card_); }
    int Rows() const { return ListView_GetItemCount(Child(1001)); }

    std::wstring card_;
};

TEST_F(MainWindowSourceLost, APlayingClipClosesThePanelEmptiesAndTheWindowStays) {
    UseSourceOn(folder.File(L"media"));
    Start();
    ASSERT_EQ(Rows(), 2);
    PlayAClip(*dialog);
    dialog->ToggleFullScreen(1);
    ASSERT_EQ(Access::FullScreen(*dialog), 1);
    dialog->SetZoomMode(1);
    engine.Reset();

    PullTheCard();
    ASSERT_TRUE(PumpUntil([&] { return Rows() == 0; }, 3000));
    EXPECT_EQ(Access::NoSource(*dialog), 1);
    EXPECT_EQ(Access::ClipOpen(*dialog), 0);
    EXPECT_EQ(Access::ZoomMode(*dialog), 0);
    EXPECT_EQ(Access::FullScreen(*dialog), 0);
    const std::vector<std::string> calls = engine.Calls();
    const auto pause = std::find(calls.begin(), calls.end(), "Pause");
    const auto stop = std::find(calls.begin(), calls.end(), "Stop");
    const auto close = std::find(calls.begin(), calls.end(), "CloseMovie");
    EXPECT_TRUE(pause < stop && stop < close && close != calls.end());
    // Only opening a source is left; nothing asked the user anything.
    EXPECT_TRUE(IsWindowVisible(Child(38009)) && IsWindowEnabled(Child(38009)));
    EXPECT_FALSE(IsWindowEnabled(Child(38002)));
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_FALSE(PumpUntilQuit(Window(), 300)) << "the program runs from another drive";
    EXPECT_FALSE(engine.Called("Uninit"));
}

// The test program runs from Z:, the host's root; a source there is on the
// program's own drive. A job still running ends before the engine goes.
TEST_F(MainWindowSourceLost, LosingTheProgramsOwnDriveEndsTheProgramAfterItsJob) {
    wchar_t name[32] = L"";
    swprintf(name, 32, L"Z:\\tmp\\ostrilex-%lu", GetCurrentProcessId());
    const std::wstring root = name;
    UseSourceOn(root);
    Start();
    PlayAClip(*dialog);
    std::atomic<bool> running{false};
    dialog->StartWorker([&](CkadomirDlg& owner) {
        running = true;
        while (owner.WorkerRunning()) {
            Sleep(5);
        }
        testing_support::FakeEngine::Instance().Log("worker ended");
        return 0u;
    });
    ASSERT_TRUE(PumpUntil([&] { return running.load(); }, 3000));
    engine.Reset();

    PullTheCard();
    const bool quit = PumpUntilQuit(Window(), 5000);
    testing_support::RemoveTree(root);
    ASSERT_TRUE(quit);
    const std::vector<std::string> calls = engine.Calls();
    const auto ended = std::find(calls.begin(), calls.end(), "worker ended");
    const auto closed = std::find(calls.begin(), calls.end(), "CloseMovie");
    const auto uninit = std::find(calls.begin(), calls.end(), "Uninit");
    EXPECT_TRUE(ended < closed && closed < uninit && uninit != calls.end());
    EXPECT_FALSE(Access::HoldsLocks(*dialog));
    EXPECT_TRUE(prompts.Messages().empty());
}

}  // namespace
