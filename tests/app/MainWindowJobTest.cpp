// The one job at a time of the main window: the controls it holds off, a
// thread that cannot start, a second job while the first is not wound up,
// and the stop while a job waits on the window.
#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"

namespace {

using Access = CkadomirDlgTestAccess;
using std::chrono::steady_clock;

constexpr int kPanelIds[] = {38300, 1001, 38700, 38701, 38702, 38703, 38704};

class MainWindowJob : public testing_support::MainWindowTest {
protected:
    void StartWithAClip(MainWindowSeams seams) {
        UseSourceFolder(Samples(), {"2401021000_A010.MOV", "2401021010_A011.MOV"});
        Start(std::move(seams));
        ASSERT_TRUE(OpenChosenClip());
    }
    int PanelControlsOn() const {
        int on = 0;
        for (const int id : kPanelIds) on += IsWindowEnabled(Child(id)) ? 1 : 0;
        return on;
    }
};

WorkerProcedure UntilStopped() {
    return [](CkadomirDlg& window) {
        while (window.WorkerRunning()) Sleep(2);
        return 0u;
    };
}

TEST_F(MainWindowJob, TheFilePanelStaysOffThroughPaintsLayoutsAndClosingTheClip) {
    StartWithAClip(Seams());
    dialog->StartWorker(UntilStopped());
    RedrawWindow(Window(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    dialog->PlaceSubWindows();
    dialog->UpdateControlStates();
    dialog->CloseClip();
    EXPECT_EQ(PanelControlsOn(), 0);
    Command(38000);
    ASSERT_TRUE(FinishJob());
    EXPECT_EQ(PanelControlsOn(), 7);
}

TEST_F(MainWindowJob, AThreadThatCannotStartHandsTheControlsBackAtOnce) {
    MainWindowSeams seams = Seams();
    seams.startThread = [](std::function<unsigned()>) { return std::unique_ptr<fw::WorkerThread>(); };
    StartWithAClip(std::move(seams));
    dialog->StartWorker(UntilStopped());
    EXPECT_FALSE(dialog->WorkerRunning());
    EXPECT_EQ(Access::ControlsOff(*dialog), 0);
    EXPECT_EQ(PanelControlsOn(), 7);
    EXPECT_TRUE(IsWindowEnabled(Child(38002)));
}

TEST_F(MainWindowJob, ASecondJobWaitsForNothingAndRunsOnlyOnceTheFirstIsWoundUp) {
    StartWithAClip(Seams());
    const HWND window = Window();
    dialog->StartWorker([window](CkadomirDlg& owner) {
        DWORD_PTR result = 0;
        // Bounded, so that a blind wait for this job shows as a slow start.
        while (owner.WorkerRunning() && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_NORMAL, 2000, &result)) {
        }
        return 0u;
    });
    ASSERT_TRUE(WaitUntilAJobSends());
    std::atomic<int> secondRuns{0};
    const WorkerProcedure second = [&](CkadomirDlg&) { return static_cast<unsigned>(++secondRuns); };
    const auto started = steady_clock::now();
    dialog->StartWorker(second);
    EXPECT_LT(steady_clock::now() - started, std::chrono::milliseconds(1000));
    Command(38000);
    ASSERT_TRUE(FinishJob());
    EXPECT_EQ(secondRuns, 0);
    dialog->StartWorker(second);
    ASSERT_TRUE(FinishJob());
    EXPECT_EQ(secondRuns, 1);
}

TEST_F(MainWindowJob, StopEndsEachJobPromptlyWhileItWaitsOnTheWindowAndNothingIsKept) {
    StartWithAClip(Seams());
    const std::wstring out = folder.File(L"out");
    CreateDirectoryW(out.c_str(), nullptr);
    selectionTicks = {0, 1};
    for (const UINT command : {38012u, 38007u, 38010u}) {
        if (!Access::ClipOpen(*dialog)) {
            ASSERT_TRUE(OpenChosenClip());
        }
        prompts.QueueFolder({fw::FolderChoice::Outcome::Chosen, out});
        prompts.QueueFile(out + L"\\joined.MOV");
        Command(command);
        ASSERT_TRUE(WaitUntilAJobSends()) << command;
        const auto started = steady_clock::now();
        Command(38000);
        EXPECT_LT(steady_clock::now() - started, std::chrono::seconds(5)) << command;
        ASSERT_TRUE(FinishJob()) << command;
        EXPECT_EQ(FilesIn(Samples()).size(), 2u) << command;
    }
    EXPECT_TRUE(prompts.Messages().empty());
    EXPECT_EQ(GetFileAttributesW((out + L"\\joined.MOV").c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(Setting(L"FOLDERPATH", L"CSV_FOLDER"), L"");
    EXPECT_EQ(Setting(L"FOLDERPATH", L"CONNECT_FOLDER"), L"");
}

}  // namespace
