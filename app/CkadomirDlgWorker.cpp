// The one worker job at a time (CSV export, delete, join), its start, its
// end and the controls it switches off meanwhile.

#include "app/CkadomirDlg.h"
#include "framework/UserPrompts.h"
#include "ui/core/UiTextTable.h"

namespace {

constexpr int kSlotFinished = 48;
constexpr int kSlotFinishedCaption = 49;

}  // namespace

void CkadomirDlg::StartWorker(WorkerProcedure procedure) {
    progressBar_.position = 0;
    progressBar_.SetPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    progressBar_.Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    progressBar_.PlaceAtBottom(Handle(), videoSurface_.Handle());
    workerRun_ = 1;
    for (CSkinButton& button : mainButtons_) {
        button.Enable(false);
    }
    EnableAllControls(FALSE);
    // The first button stops the job.
    mainButtons_[kButtonStop].Enable(true);
    worker_ = std::make_unique<fw::WorkerThread>([this, procedure] { return procedure(*this); });
    if (!worker_->Created() || !worker_->Resume()) {
        // No job runs, so nothing would ever hand the controls back.
        EndWorker();
        UpdateControlStates();
    }
}

void CkadomirDlg::EndWorker() {
    workerRun_ = 0;
    if (worker_ != nullptr) {
        // The job may be sending to this thread's windows or showing a box
        // owned by the main window: keep serving it while waiting.
        worker_->WaitServingSentMessages(INFINITE);
        worker_.reset();
    }
    if (workerFinished_.exchange(0) != 0) {
        fw::Prompts().ShowMessage(Handle(), UiText(kSlotFinished), UiText(kSlotFinishedCaption), MB_OK);
    }
    EnableAllControls(TRUE);
}

// The jobs themselves: the CSV export, deleting, joining and the snapshot
// are not offered yet.
LRESULT CkadomirDlg::OnExportCsv(const fw::Message&) { return 0; }
LRESULT CkadomirDlg::OnDeleteClips(const fw::Message&) { return 0; }
LRESULT CkadomirDlg::OnJoinClips(const fw::Message&) { return 0; }
LRESULT CkadomirDlg::OnSnapshot(const fw::Message&) { return 0; }

// A job's last word: it is reaped and the controls come back.
LRESULT CkadomirDlg::OnWorkerDone(const fw::Message&) {
    EndWorker();
    progressBar_.Show(SW_HIDE);
    UpdateControlStates();
    return 0;
}

LRESULT CkadomirDlg::OnWorkerProgress(const fw::Message& m) {
    const auto done = static_cast<long long>(m.wParam);
    const auto total = static_cast<long long>(m.lParam);
    progressBar_.position = total > 0 ? static_cast<int>(done * 100 / total) : 100;
    progressBar_.Show(SW_SHOW);
    progressBar_.Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return 0;
}

void CkadomirDlg::EnableAllControls(BOOL enable) {
    for (CSkinButton& button : windowButtons_) {
        button.Enable(enable != FALSE);
    }
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
