// Closing the current clip and emptying the file panel.

#include "ClipDataPreload.h"
#include "app/CkadomirDlg.h"
#include "app/MainButtons.h"
#include "app/MainWindowIds.h"
#include "ui/core/UiTextTable.h"

void CkadomirDlg::CloseClip() {
    SetSeekPos(0);
    seekSlider_.minimum = 0;
    seekSlider_.maximum = 0;
    StopTimer(kTimerPlaybackTick);
    ShowSpeedText();
    if (EngineReady()) {
        engineTable_.UnloadClipData(&engine_);
        engine_.clipDataLoaded = 0;
        engineTable_.CloseMovie(&engine_);
        engine_.clipDataLoaded = 0;
    }
    WaitForThread(loaderThread_);
    WaitForThread(preloadThread_);
    clipOpen_ = 0;
    displayCleared_ = 1;
    RefreshVideo();
    PreloadClipData(engine_, nullptr);
    currentClip_ = -1;
    openAllowed_ = 1;
    PlaceSubWindows();
}

void CkadomirDlg::CloseAndClear() {
    if (EngineReady()) {
        engineTable_.SetSpeed(&engine_, 1);
    }
    CloseClip();
    if (!fullScreen_) {
        CSkinButton& play = mainButtons_[kButtonPlay];
        if (play.Handle() != nullptr) {
            toolTip_.UpdateTipText(play.Handle(), UiText(kPlayFace.tooltipSlot));
            play.ChangeBitmap(kPlayFace.bitmap);
            play.Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
    }
    UpdateControlStates();
    seekSlider_.enabled = 1;
    for (fw::Dialog* panel : {infoPanel_.get(), graph_.get()}) {
        if (panel != nullptr && panel->Handle() != nullptr) {
            panel->Invalidate();
        }
    }
    mainButtons_[kButtonZoom].latched = 0;
    UpdateControlStates();
}

// The loader threads only post, so a plain wait cannot block a message
// they need.
void CkadomirDlg::WaitForThread(std::unique_ptr<fw::WorkerThread>& thread) {
    if (thread != nullptr) {
        thread->Wait(INFINITE);
        thread.reset();
    }
}
