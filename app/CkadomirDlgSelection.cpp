// Choosing a clip: a row of the recording list, a folder of the tree, the
// step into the next folder at the end of a list, and the clip group the
// map draws as one track.

#include <string>
#include <vector>

#include "ClipMetadataReaders.h"
#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "framework/MutexHold.h"

int CkadomirDlg::ClipCount() const { return static_cast<int>(filePanel_.List().shownRecords.size()); }

std::wstring CkadomirDlg::CurrentFileName() {
    const MovieFileRecord* record = CurrentRecord();
    return record != nullptr ? std::wstring(record->FileName()) : std::wstring();
}

MovieFileRecord* CkadomirDlg::CurrentRecord() {
    if (!IsClipIndex(currentClip_)) {
        return nullptr;
    }
    return &filePanel_.List().shownRecords[static_cast<size_t>(currentClip_)];
}

void CkadomirDlg::BeginWaitCursor() {
    waitCursor_ = true;
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
}

void CkadomirDlg::EndWaitCursor() {
    if (waitCursor_) {
        waitCursor_ = false;
        SetCursor(LoadCursorW(nullptr, IDC_ARROW));
    }
}

// An opening is no longer under way: the watchdog goes with it.
void CkadomirDlg::EndBusy() {
    StopTimer(kTimerOpenWatchdog);
    busy_ = 0;
    EndWaitCursor();
}

// Opens the current clip in a moment, with the watchdog armed in case the
// player never reports it ready.
void CkadomirDlg::ArmOpening() {
    busy_ = 1;
    BeginWaitCursor();
    DisableControls();
    StartTimer(kTimerOpenWatchdog, kOpenWatchdogMs);
    StartTimer(kTimerOpenClip, kOpenClipDelayMs);
}

BOOL CkadomirDlg::SelectClip(BOOL resetSeek) {
    if (!IsClipIndex(currentClip_)) {
        return 0;
    }
    filePanel_.List().currentIndex = currentClip_;
    // The new clip's fixes decide afresh whether the map shows.
    if (mapWindow_ != nullptr && mapWindow_->Handle() != nullptr) {
        mapBridge_.SetGpsSeen(false);
    }
    StopPlayback();
    clipOpen_ = 0;
    loadAtReady_ = 0;
    displayCleared_ = 1;
    if (resetSeek) {
        SetSeekPos(0);
    }
    if (graph_ != nullptr) {
        graph_->clipOpen = 0;
        graph_->SetBackgroundVariant(0);
    }
    if (graph_ != nullptr && graph_->Handle() != nullptr) {
        graph_->Redraw();
    }
    // Until the new clip's data arrive the panel shows no values, not the
    // last clip's.
    if (ClearInfoPanel()) {
        RepaintInfoPanel();
    }
    if (!stayOnLastFrame_) {
        UpdateControlStates();
    }
    StopTimer(kTimerOpenClip);
    if (busy_) {
        EndBusy();
    }
    if (!openAllowed_) {
        // An opening is waiting for the player: its ready report opens this
        // row instead. Should the report never come, the watchdog frees the
        // window.
        StartTimer(kTimerOpenWatchdog, kOpenWatchdogMs);
        return 1;
    }
    ArmOpening();
    return 1;
}

LRESULT CkadomirDlg::OnFileListItemChanged(const fw::Message& m) {
    const auto* change = reinterpret_cast<const NMLISTVIEW*>(m.lParam);
    if (change->iItem < 0 || (change->uChanged & LVIF_STATE) == 0 || (change->uNewState & LVIS_SELECTED) == 0) {
        return 0;
    }
    const fw::MutexHold hold(clipListLock_.Get());
    if (change->iItem == currentClip_) {
        // The user clicking the open clip's row again changes nothing; a
        // selection made in code opens it anew.
        const uint32_t origin = filePanel_.SelectionOrigin();
        filePanel_.SetSelectionOrigin(kOriginUser);
        if (origin == kOriginUser) {
            return 0;
        }
    }
    currentClip_ = change->iItem;
    if (graph_ != nullptr) {
        graph_->clipOpen = 0;
    }
    mapBridge_.SetGpsSeen(false);
    DrawMapArea();
    SelectClip(TRUE);
    if (!continuePlay_ && EngineReady() && engine_.EngineSpeedIndex != 1) {
        engineTable_.SetSpeed(&engine_, 1);
    }
    return 0;
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
    if (!continuePlay_) {
        SetNormalSpeed();
    }
    CloseClip();
    if (filePanel_.OpenFolderItem(item, VideoRect(), sizeMode_, fullScreen_ != 0)) {
        displayCleared_ = 0;
    }
    if (!stayOnLastFrame_) {
        SetPlayButtonState(FALSE);
        UpdateControlStates();
    }
    if (ClipCount() == 0) {
        AdvanceToNextFolder(item);
        return;
    }
    BuildClipGroup();
    filePanel_.SelectFirstRow();
}

// While playback runs on through the folders, skips the folders after the
// given one that hold no recordings.
void CkadomirDlg::AdvanceToNextFolder(HTREEITEM item) {
    if (!continuePlay_) {
        return;
    }
    CFolderTreeCtrl& tree = filePanel_.Tree();
    HTREEITEM tried = nullptr;
    for (HTREEITEM next = tree.GetNextSiblingItem(tree.GetSelection()); next != nullptr;
         next = tree.GetNextSiblingItem(next)) {
        tried = next;
        if (filePanel_.OpenFolderItem(next, VideoRect(), sizeMode_, fullScreen_ != 0)) {
            tree.SelectItem(CFolderTreeCtrl::ToId(next));
            BuildClipGroup();
            filePanel_.SelectFirstRow();
            return;
        }
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
    UpdateControlStates();
    if (tried == nullptr) {
        SetNormalSpeed();
        tried = item;
    }
    tree.SelectItem(CFolderTreeCtrl::ToId(tried));
}

// The recordings of the list's first group; the map draws their tracks as
// one.
void CkadomirDlg::BuildClipGroup() {
    const MovieFileRecordList& clips = filePanel_.List().shownRecords;
    std::vector<std::wstring> group;
    for (const MovieFileRecord& record : clips) {
        if (record.groupNumber == clips.front().groupNumber) {
            group.emplace_back(record.FullPath());
        }
    }
    if (EngineReady() && !group.empty()) {
        LoadGroupGpsTrack(&engine_, group);
    }
}
