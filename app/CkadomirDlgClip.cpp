// Closing the current clip, emptying the file panel, and the step to the
// next clip, or into the next folder, when a clip ends.

#include "ClipDataPreload.h"
#include "app/CkadomirDlg.h"
#include "app/MainButtons.h"
#include "app/MainWindowIds.h"
#include "framework/MutexHold.h"
#include "ui/core/UiTextTable.h"

void CkadomirDlg::CloseClip() {
    SetSeekPos(0);
    seekSlider_.minimum = 0;
    seekSlider_.maximum = 0;
    StopTimer(kTimerPlaybackTick);
    ShowSpeedText();
    CloseEngineClip();
    WaitForThread(loaderThread_);
    WaitForThread(preloadThread_);
    clipOpen_ = 0;
    loadAtReady_ = 0;
    openedClip_ = {};
    if (mapWindow_ != nullptr) {
        mapBridge_.SetGpsSeen(false);
    }
    displayCleared_ = 1;
    eventPointsSent_ = 0;
    RefreshVideo();
    DrawMapArea();
    ResetPanels();
    PreloadClipData(engine_, nullptr);
    currentClip_ = -1;
    openAllowed_ = 1;
    PlaceSubWindows();
}

// Without a clip the panels show "no value" and the graph its background.
void CkadomirDlg::ResetPanels() {
    ClearEventMarkers();
    if (graph_ != nullptr && graph_->Handle() != nullptr) {
        graph_->clipOpen = 0;
        graph_->SetBackgroundVariant(0);
        graph_->Redraw();
    }
    ClearInfoPanel();
}

// The panel's values go back to "no value" and it repaints; false when it
// has no window.
bool CkadomirDlg::ClearInfoPanel() {
    if (infoPanel_ == nullptr || infoPanel_->Handle() == nullptr) {
        return false;
    }
    infoPanel_->dateTimeFlag = 0;
    infoPanel_->Reset();
    return true;
}

void CkadomirDlg::CloseAndClear() {
    SetNormalSpeed();
    CloseClip();
    ShowPlayFace(FALSE);
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

// The play button's face and tooltip; full screen has no buttons.
void CkadomirDlg::ShowPlayFace(BOOL playing) {
    if (fullScreen_) {
        return;
    }
    const SkinButtonSpec& face = playing ? kPauseFace : kPlayFace;
    CSkinButton& button = mainButtons_[kButtonPlay];
    if (button.Handle() != nullptr) {
        toolTip_.UpdateTipText(button.Handle(), UiText(face.tooltipSlot));
        button.ChangeBitmap(face.bitmap);
        button.Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

void CkadomirDlg::SetNormalSpeed() {
    if (EngineReady()) {
        engineTable_.SetSpeed(&engine_, 1);
    }
}

void CkadomirDlg::NextClip() {
    const fw::MutexHold hold(clipListLock_.Get());
    if (!IsClipIndex(currentClip_)) {
        return;
    }
    if (IsClipIndex(currentClip_ + 1)) {
        ++currentClip_;
        seekSlider_.enabled = 0;
        if (GetCapture() == seekSlider_.Handle()) {
            ReleaseCapture();
        }
        filePanel_.SelectRow(currentClip_, kOriginNextClip);
        SetSeekPos(0);
        SelectClip(TRUE);
        loadAtReady_ = 1;
        return;
    }
    const CFolderTreeCtrl& tree = filePanel_.Tree();
    const bool nextFolder = tree.GetNextSiblingItem(tree.GetSelection()) != nullptr;
    if (EngineReady()) {
        if (!nextFolder && engine_.EngineSpeedIndex != 1) {
            engineTable_.SetSpeed(&engine_, 1);
        }
        engineTable_.Pause(&engine_);
        engineTable_.SetVolume(&engine_, static_cast<uint32_t>(volume_));
    }
    ShowSpeedText();
    if (!nextFolder) {
        // The end of the last folder: back to the start, stopped.
        if (EngineReady()) {
            engineTable_.JumpToFrame(&engine_, 0);
        }
        ShowFrameData(0);
        stayOnLastFrame_ = 0;
        StopPlayback();
    } else if (!stayOnLastFrame_) {
        StopPlayback();
    }
    continuePlay_ = 1;
}

// The player reached the clip's end.
void CkadomirDlg::OnClipEnded(WPARAM, LPARAM) {
    // The end report comes a little after the end: a clip the user chose
    // meanwhile is not skipped by it.
    if (!clipOpen_) {
        return;
    }
    ShowFrameData(EngineReady() ? static_cast<int>(engineTable_.GetFrameCount(&engine_)) - 1 : -1);
    stayOnLastFrame_ = 1;
    NextClip();
    if (continuePlay_) {
        CFolderTreeCtrl& tree = filePanel_.Tree();
        if (const HTREEITEM next = tree.GetNextSiblingItem(tree.GetSelection()); next != nullptr) {
            // Opens that folder, whose first clip then plays.
            tree.SelectItem(CFolderTreeCtrl::ToId(next));
            stayOnLastFrame_ = 0;
            return;
        }
        continuePlay_ = 0;
        SetZoomMode(0);
        mainButtons_[kButtonZoom].latched = 0;
        mainButtons_[kButtonZoom].Invalidate();
        if (fullScreen_) {
            ToggleFullScreen(1);
        } else {
            PlaceSubWindows();
        }
    }
    stayOnLastFrame_ = 0;
}

// The loader threads only post, so a plain wait cannot block a message
// they need.
void CkadomirDlg::WaitForThread(std::unique_ptr<fw::WorkerThread>& thread) {
    if (thread != nullptr) {
        thread->Wait(INFINITE);
        thread.reset();
    }
}
