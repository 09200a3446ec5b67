// The one worker job at a time (CSV export, delete, join): its start, its
// progress, its end and the controls it switches off meanwhile, and what
// the jobs share.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "app/MainWindowMessages.h"
#include "app/core/JobRules.h"
#include "ClipDataPreload.h"
#include "framework/UserPrompts.h"
#include "ui/core/UiTextTable.h"

namespace {

constexpr int kSlotFinished = 48;
constexpr int kSlotFinishedCaption = 49;
constexpr UINT kRedrawNow = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW;

}  // namespace

void CkadomirDlg::StartWorker(WorkerProcedure procedure) {
    // The earlier job's thread is reaped when its end is handled; until
    // then no job replaces it.
    if (JobOutstanding()) {
        return;
    }
    progressBar_.position = 0;
    progressBar_.SetPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    progressBar_.Redraw(kRedrawNow);
    progressBar_.PlaceAtBottom(Handle(), videoSurface_.Handle());
    workerRun_ = 1;
    workerStarted_ = 0;
    for (CSkinButton& button : mainButtons_) {
        button.Enable(false);
    }
    EnableAllControls(FALSE);
    // The first button stops the job.
    mainButtons_[kButtonStop].Enable(true);
    const HWND window = Handle();
    worker_ = seams_.startThread([this, procedure, window] {
        procedure(*this);
        workerRun_ = 0;
        // The job's last act: the UI thread winds it up.
        PostMessageW(window, WM_APP_WORKER_DONE, 0, workerStarted_.load());
        return 0u;
    });
    if (worker_ == nullptr) {
        // No job runs, so nothing would ever hand the controls back.
        EndWorker();
        workerKind_ = 0;
        reopenAtFrame_ = 0;
        UpdateControlStates();
        return;
    }
    workerDonePending_ = true;
    DrawMapArea();
}

void CkadomirDlg::ReapWorker() {
    if (worker_ != nullptr) {
        // The job may be sending to this thread's windows or showing a box
        // owned by the main window: keep serving it while waiting.
        worker_->WaitServingSentMessages(INFINITE);
        worker_.reset();
    }
}

void CkadomirDlg::EndWorker() {
    workerRun_ = 0;
    ReapWorker();
    if (workerFinished_.exchange(0) != 0) {
        fw::Prompts().ShowMessage(Handle(), UiText(kSlotFinished), UiText(kSlotFinishedCaption), MB_OK);
    }
    EnableAllControls(TRUE);
    DrawMapArea();
}

void CkadomirDlg::AbandonJob() {
    EndWorker();
    workerDonePending_ = false;
    afterJob_ = nullptr;
    workerKind_ = 0;
    reopenAtFrame_ = 0;
}

// A job's last word: it is reaped, what it left for this thread is done,
// and the window shows the clip again.
LRESULT CkadomirDlg::OnWorkerDone(const fw::Message& m) {
    if (!workerDonePending_) {
        return 0;
    }
    workerDonePending_ = false;
    workerRun_ = 0;
    ReapWorker();
    if (afterJob_) {
        const std::function<void()> after = std::move(afterJob_);
        afterJob_ = nullptr;
        after();
    }
    EndWorker();
    if (workerKind_ == 1) {
        if (EngineReady()) {
            engineTable_.JumpToFrame(&engine_, 0);
        }
        ShowFrameData(0);
        StopPlayback();
        workerKind_ = 0;
    }
    if (nearEndControlsOff_) {
        nearEndControlsOff_ = 0;
    } else {
        UpdateControlStates();
    }
    progressBar_.Show(SW_HIDE);
    if (reopenAtFrame_) {
        if (!SelectClip(FALSE)) {
            reopenAtFrame_ = 0;
        }
    } else if (m.lParam != 0 && EngineReady()) {
        engineTable_.SeekToFrame(&engine_, engineTable_.GetCurrentFrame(&engine_));
    }
    return 0;
}

LRESULT CkadomirDlg::OnWorkerProgress(const fw::Message& m) {
    progressBar_.position = WorkerPercent(static_cast<uint32_t>(m.wParam), static_cast<int32_t>(m.lParam));
    progressBar_.Show(SW_SHOW);
    progressBar_.SetPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    progressBar_.Redraw(kRedrawNow);
    return 0;
}

LRESULT CkadomirDlg::OnWorkerCall(const fw::Message& m) {
    (*reinterpret_cast<const std::function<void()>*>(m.lParam))();
    return 0;
}

void CkadomirDlg::RunOnUiThread(const std::function<void()>& call) {
    SendMessageW(Handle(), WM_APP_WORKER_CALL, 0, reinterpret_cast<LPARAM>(&call));
}

void CkadomirDlg::PostProgress(uint32_t done, int32_t total) {
    PostMessageW(Handle(), WM_APP_WORKER_PROGRESS, done, total);
}

void CkadomirDlg::EnableAllControls(BOOL enable) {
    for (CSkinButton& button : windowButtons_) {
        button.Enable(enable != FALSE);
    }
    // Held, so that the panel's own repaints and layouts leave its
    // controls off while a job runs.
    filePanel_.HoldControlsOff(enable == FALSE);
    EnableFilePanel(enable != FALSE);
    EnablePanel(infoPanel_.get(), enable);
    controlsOff_ = enable ? 0 : 1;
    for (fw::Window* window : std::initializer_list<fw::Window*>{&seekSlider_, &volumeSlider_, graph_.get(),
                                                                &videoSurface_, mapWindow_}) {
        if (window != nullptr && window->Handle() != nullptr) {
            window->Enable(enable != FALSE);
        }
    }
}

// A job no longer needs the clip: the tick stops and the engine lets the
// file go. On the UI thread.
// A job that reads or removes recordings starts from the clip stopped at
// its first frame at normal speed, and the pre-loaded recording's file is
// let go.
void CkadomirDlg::RewindBeforeJob() {
    if (EngineReady()) {
        engineTable_.SetSpeed(&engine_, 1);
        engineTable_.SetVolume(&engine_, static_cast<uint32_t>(volume_));
    }
    ShowSpeedText();
    if (EngineReady()) {
        engineTable_.JumpToFrame(&engine_, 0);
    }
    ShowFrameData(0);
    StopPlayback();
    PreloadClipData(engine_, nullptr);
}

void CkadomirDlg::CloseClipForJob() {
    StopTimer(kTimerPlaybackTick);
    clipOpen_ = 0;
    CloseEngineClip();
}

int CkadomirDlg::SelectedRow() const {
    const HWND list = Item(kRecordingListId);
    return list != nullptr ? ListView_GetNextItem(list, -1, LVNI_SELECTED | LVNI_FOCUSED) : -1;
}

// The record of the selected row; the current clip's when no row is
// selected; null when there is neither.
const MovieFileRecord* CkadomirDlg::SelectedRecord() {
    const int row = SelectedRow();
    if (IsClipIndex(row)) {
        return &filePanel_.List().shownRecords[static_cast<size_t>(row)];
    }
    return CurrentRecord();
}
