// The snapshot: the frame on screen saved as a JPEG file in a folder the
// user chooses, named after the folder, the recording and the frame. It
// runs on the UI thread with the controls off while the chooser is up;
// playback stays paused afterwards.

#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "app/core/JobRules.h"
#include "framework/UserPrompts.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/FolderBrowser.h"
#include "ui/shared/IniFile.h"

namespace {

constexpr int kSlotSaveFailed = 100;
constexpr int kSlotChooseSnapshotFolder = 102;
constexpr int kSlotNameExists = 93;
constexpr int kSlotConfirm = 106;
constexpr int kSlotFinished = 48;
constexpr int kSlotFinishedCaption = 49;

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

}  // namespace

LRESULT CkadomirDlg::OnSnapshot(const fw::Message&) {
    if (!clipOpen_ || IsNearEnd() || JobOutstanding()) {
        return 0;
    }
    PausePlayback();
    for (CSkinButton& button : mainButtons_) {
        button.Enable(false);
    }
    EnableAllControls(FALSE);
    DrawMapArea();
    SaveSnapshotToChosenFolder();
    EnableAllControls(TRUE);
    DrawMapArea();
    UpdateControlStates();
    return 0;
}

void CkadomirDlg::SaveSnapshotToChosenFolder() {
    const std::wstring folder =
        BrowseForFolder(Handle(), kFolderPathSection, kSnapshotFolderKey, UiText(kSlotChooseSnapshotFolder));
    if (folder.empty()) {
        return;
    }
    const MovieFileRecord* record = SelectedRecord();
    const int frame = EngineReady() ? engineTable_.GetCurrentFrame(&engine_) : 0;
    if (record == nullptr || frame < 0) {
        ShowError(UiText(kSlotSaveFailed));
        return;
    }
    const std::wstring path =
        SnapshotFilePath(folder, record->FileName(), record->groupNumber, record->sequenceNumber, frame);
    if (FileExists(path) &&
        fw::Prompts().ShowMessage(Handle(), UiText(kSlotNameExists), UiText(kSlotConfirm), MB_OKCANCEL) != IDOK) {
        return;
    }
    // A grab that left no file is no snapshot, whatever the engine said.
    if (!EngineReady() || !engineTable_.SaveSnapshot(&engine_, path.c_str()) || !FileExists(path)) {
        ShowError(UiText(kSlotSaveFailed));
        return;
    }
    WriteIniString(kFolderPathSection, kSnapshotFolderKey, folder);
    fw::Prompts().ShowMessage(Handle(), UiText(kSlotFinished), UiText(kSlotFinishedCaption), MB_OK);
}
