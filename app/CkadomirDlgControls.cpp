// Which of the main window's controls can be used when. The rules for the
// command buttons are DecideControlStates; here they are applied.

#include "app/CkadomirDlg.h"

#include <commctrl.h>

namespace {

BOOL CALLBACK EnableChild(HWND child, LPARAM enable) {
    EnableWindow(child, static_cast<BOOL>(enable));
    return TRUE;
}

}  // namespace

// A panel and every control on it.
void CkadomirDlg::EnablePanel(fw::Window* panel, BOOL enable) const {
    if (panel == nullptr || panel->Handle() == nullptr) {
        return;
    }
    panel->Enable(enable != FALSE);
    EnumChildWindows(panel->Handle(), &EnableChild, enable);
}

// The file panel's own rule keeps its controls off in zoom mode; while a
// job holds them off, nothing here switches them on.
void CkadomirDlg::EnableFilePanel(bool enable) {
    if (filePanel_.ControlsHeldOff()) {
        enable = false;
    }
    filePanel_.Tree().Enable(enable);
    filePanel_.List().Enable(enable);
    for (int k = 0; k < kKindCount; ++k) {
        filePanel_.FilterButton(k).Enable(enable);
    }
}

int CkadomirDlg::RecordingRows() const {
    const HWND list = Item(kRecordingListId);
    return list != nullptr ? ListView_GetItemCount(list) : 0;
}

void CkadomirDlg::DisableControls() {
    for (CSkinButton& button : mainButtons_) {
        button.Enable(false);
    }
    for (CSkinButton& button : windowButtons_) {
        button.Enable(false);
    }
    EnablePanel(infoPanel_.get(), FALSE);
    EnableFilePanel(false);
}

void CkadomirDlg::EnableControls() {
    for (int i = 0; i < kMainButtonCount; ++i) {
        mainButtons_[i].Enable(i == kButtonOpenSource);
    }
    EnablePanel(infoPanel_.get(), TRUE);
    EnableFilePanel(true);
    for (CSkinButton& button : windowButtons_) {
        button.Enable(true);
    }
}

void CkadomirDlg::UpdateControlStates() {
    if (!FilePanelExists()) {
        return;
    }
    for (CSkinButton& button : windowButtons_) {
        button.Enable(true);
    }
    ApplyControlStates(DecideControlStates(CurrentControlInputs()));
    EnablePanel(infoPanel_.get(), TRUE);
    EnableFilePanel(true);
}

ControlStateInputs CkadomirDlg::CurrentControlInputs() const {
    ControlStateInputs in;
    in.engineReady = EngineReady();
    in.playState = PlayState();
    in.speedIndex = engine_.EngineSpeedIndex;
    in.clipDataLoaded = engine_.clipDataLoaded.load() != 0;
    in.rows = RecordingRows();
    in.currentIndex = currentClip_;
    in.sourceKind = filePanel_.GetSourceKind();
    in.noSource = noSource_ != 0;
    in.sizeMode = sizeMode_;
    in.fullScreen = fullScreen_ != 0;
    return in;
}

void CkadomirDlg::ApplyControlStates(const ControlStates& states) {
    for (int i = 0; i < kMainButtonCount; ++i) {
        mainButtons_[i].Enable(states.enabled[i]);
    }
    // While a job runs, the first button is its stop.
    if (WorkerRunning()) {
        mainButtons_[kButtonStop].Enable(true);
    }
    const auto show = [](CSkinButton& button, Visibility visibility) {
        if (visibility != Visibility::Unchanged) {
            button.Show(visibility == Visibility::Shown ? SW_SHOW : SW_HIDE);
        }
    };
    show(mainButtons_[kButtonSnapshot], states.snapshotVisibility);
    show(mainButtons_[kButtonZoom], states.zoomVisibility);
}
