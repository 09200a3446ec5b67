// Closing the current clip, emptying the file panel, and listing a folder
// chosen in the tree.

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
    for (fw::Dialog* panel : std::initializer_list<fw::Dialog*>{infoPanel_.get(), graph_.get()}) {
        if (panel != nullptr && panel->Handle() != nullptr) {
            panel->Invalidate();
        }
    }
    mainButtons_[kButtonZoom].latched = 0;
    filePanel_.Clear();
    filePanel_.RedrawFileCount(Handle(), sizeMode_, VideoRect());
    UpdateControlStates();
}

void CkadomirDlg::OnFolderSelChanged(const NMTREEVIEWW& notification) {
    // Emptying the panel deletes the tree's items; a folder item whose
    // selected image is set is a placeholder, opened only on the way to the
    // next folder.
    const HTREEITEM item = notification.itemNew.hItem;
    if (filePanel_.IsClearing() || item == nullptr || (notification.itemNew.iSelectedImage != 0 && !continuePlay_)) {
        return;
    }
    if (EngineReady() && PlayState() != PlayState::kNone) {
        if (PlayState() != PlayState::kPaused) {
            engineTable_.Pause(&engine_);
        }
        if (!stayOnLastFrame_) {
            StopPlayback();
        }
    }
    if (!continuePlay_ && EngineReady()) {
        engineTable_.SetSpeed(&engine_, 1);
    }
    CloseClip();
    if (filePanel_.OpenFolderItem(item, VideoRect(), sizeMode_, fullScreen_ != 0)) {
        displayCleared_ = 0;
    }
    if (!stayOnLastFrame_) {
        SetPlayButtonState(FALSE);
        UpdateControlStates();
    }
    if (RecordingRows() > 0) {
        filePanel_.SelectFirstRow();
    }
}

// The loader threads only post, so a plain wait cannot block a message
// they need.
void CkadomirDlg::WaitForThread(std::unique_ptr<fw::WorkerThread>& thread) {
    if (thread != nullptr) {
        thread->Wait(INFINITE);
        thread.reset();
    }
}
