// The watched source disappeared (a card pulled, a folder removed): the
// clip closes and the file panel empties; when the program ran from the
// same medium, it ends as well.

#include <array>

#include "app/CkadomirDlg.h"
#include "app/core/SourceLoss.h"

namespace {

std::wstring ProgramPath() {
    std::array<wchar_t, MAX_PATH> path{};
    const DWORD length = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
    return length > 0 && length < path.size() ? std::wstring(path.data(), length) : std::wstring();
}

}  // namespace

LRESULT CkadomirDlg::OnSourceLost(const fw::Message&) {
    // A job or a loader may still be reading from the lost medium; they end
    // before the records they read are taken away.
    if (JobOutstanding()) {
        AbandonJob();
        progressBar_.Show(SW_HIDE);
    }
    CancelLoaders();
    clipOpen_ = 0;
    if (EngineReady() && PlayState() != PlayState::kPaused) {
        engineTable_.Pause(&engine_);
    }
    StopPlayback();
    if (EngineReady()) {
        engineTable_.SetSpeed(&engine_, 1);
    }
    CloseClip();
    SetPlayButtonState(FALSE);
    filePanel_.Clear();
    filePanel_.RedrawFileCount(Handle(), sizeMode_, VideoRect());
    noSource_ = 1;
    UpdateControlStates();
    SetZoomMode(0);
    mainButtons_[kButtonZoom].latched = 0;
    if (fullScreen_) {
        ToggleFullScreen(1);
    }
    if (IsOnProgramDrive(ProgramPath(), filePanel_.Resource().LastLostPath())) {
        Teardown();
        PostQuitMessage(0);
    }
    return 0;
}

// A running pre-load gives up at its next step; both loader threads are
// waited for (they only post, so a plain wait is safe here).
void CkadomirDlg::CancelLoaders() {
    for (std::unique_ptr<fw::WorkerThread>* loader : {&loaderThread_, &preloadThread_}) {
        engine_.PreloadReader.cancelFlag = 1;
        WaitForThread(*loader);
    }
    engine_.PreloadReader.cancelFlag = 0;
}
