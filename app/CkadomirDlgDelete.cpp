// Deleting recordings: the user ticks recordings of the source; they go to
// the recycle bin, the last ticked first, the open clip closed before its
// file goes. However the job ends, the list is then rebuilt from what is
// left, so each row still names an existing file.

#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <vector>

#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "browser/platform/HostFileSystem.h"
#include "framework/UserPrompts.h"
#include "ui/core/UiTextTable.h"

namespace {

constexpr int kSlotDeleteFailed = 97;
constexpr int kSlotConfirm = 106;
constexpr int kSlotGoneForGood = 143;

// A card has no recycle bin: what is deleted there is gone.
bool OnRemovableMedium(const std::wstring& path) {
    if (path.size() < 2 || path[1] != L':') {
        return false;
    }
    return GetDriveTypeW((path.substr(0, 2) + L"\\").c_str()) == DRIVE_REMOVABLE;
}

bool DeleteToRecycleBin(const std::wstring& path) {
    // The shell reads a list of names, each ended by a zero, the list by a
    // second one.
    std::wstring from = path;
    from.push_back(L'\0');
    SHFILEOPSTRUCTW operation{};
    operation.wFunc = FO_DELETE;
    operation.pFrom = from.c_str();
    operation.fFlags = FOF_SILENT | FOF_NOCONFIRMATION | FOF_ALLOWUNDO | FOF_NOERRORUI;
    return SHFileOperationW(&operation) == 0 && !operation.fAnyOperationsAborted;
}

void RemoveByPath(MovieFileRecordList& records, const std::vector<std::wstring>& paths) {
    records.erase(std::remove_if(records.begin(), records.end(),
                                 [&](const MovieFileRecord& record) {
                                     return std::find(paths.begin(), paths.end(), record.FullPath()) != paths.end();
                                 }),
                  records.end());
}

}  // namespace

LRESULT CkadomirDlg::OnDeleteClips(const fw::Message&) {
    if (!clipOpen_ || IsNearEnd() || JobOutstanding()) {
        return 0;
    }
    RewindBeforeJob();
    DeleteJob job;
    job.source = filePanel_.Snapshot();
    job.shown = filePanel_.List().shownRecords;
    const int row = SelectedRow();
    job.selectedRow = IsClipIndex(row) ? row : 0;
    if (!job.shown.empty()) {
        job.initialGroup = static_cast<int>(job.shown[static_cast<size_t>(job.selectedRow)].groupNumber);
    }
    if (const MovieFileRecord* open = CurrentRecord()) {
        job.openClip = std::wstring(open->FullPath());
    }
    job.removableMedium = OnRemovableMedium(filePanel_.SourcePath());
    StartWorker([job](CkadomirDlg& window) { return window.DeleteClipsThread(job); });
    return 0;
}

unsigned CkadomirDlg::DeleteClipsThread(const DeleteJob& job) {
    const HWND owner = Handle();
    CFileSelectDlg dialog;
    dialog.mode = kSelectDelete;
    dialog.initialGroup = job.initialGroup;
    if (!dialog.SetAllRecords(CollectSourceRecords(HostFileSystem(), recorderProbe_, job.source))) {
        fw::Prompts().ShowMessage(owner, UiText(kSlotOver1500), kErrorCaption, MB_OK);
    }
    dialog.SetShownRecords(job.shown, owner);
    const bool chosen = seams_.runSelection(dialog, owner) == IDOK && !dialog.ResultRecords().empty();
    if (!chosen || (job.removableMedium && fw::Prompts().ShowMessage(owner, UiText(kSlotGoneForGood),
                                                                     UiText(kSlotConfirm), MB_OKCANCEL) != IDOK)) {
        // The row chosen before opens its recording again.
        afterJob_ = [this, row = job.selectedRow] {
            currentClip_ = -1;
            filePanel_.SelectRow(row, kOriginUser);
        };
        return 0;
    }
    const MovieFileRecordList& ticked = dialog.ResultRecords();
    const auto count = static_cast<int32_t>(ticked.size());
    workerStarted_ = 1;
    PostProgress(0, count);
    RunOnUiThread([this] { StopPlayback(); });
    std::vector<std::wstring> deleted;
    bool completed = true;
    // From the last: what is left of the list keeps its order meanwhile.
    for (int32_t position = count - 1; position >= 0 && completed; --position) {
        const std::wstring path(ticked[static_cast<size_t>(position)].FullPath());
        if (!workerRun_.load()) {
            completed = false;
        } else if (path.empty()) {
            ShowError(UiText(kSlotDeleteFailed));
            completed = false;
        } else {
            if (path == job.openClip) {
                // The shell cannot delete a file the player holds open.
                RunOnUiThread([this] { CloseClipForJob(); });
            }
            if (!DeleteToRecycleBin(path)) {
                ShowError(UiText(kSlotDeleteFailed));
                completed = false;
            } else {
                deleted.push_back(path);
                PostProgress(static_cast<uint32_t>(count - position), count);
            }
        }
    }
    afterJob_ = [this, deleted] { ApplyDeletion(deleted); };
    if (completed) {
        PostProgress(static_cast<uint32_t>(count), count);
        workerFinished_ = 1;
    }
    return 0;
}

// The lists lose the deleted recordings, whether the job completed, failed
// or was stopped: a folder or card is scanned again, a single file's lists
// are pruned. Then the first row opens, or without recordings the window
// is left without a source. On the UI thread.
void CkadomirDlg::ApplyDeletion(const std::vector<std::wstring>& deleted) {
    RecordingList& list = filePanel_.List();
    const SourceKind kind = filePanel_.GetSourceKind();
    if (kind == kSourceSdCard || kind == kSourceFolder) {
        const std::wstring source = filePanel_.SourcePath();
        filePanel_.Clear();
        filePanel_.OpenSource(source, kind);
    } else {
        RemoveByPath(list.shownRecords, deleted);
        RemoveByPath(list.allRecords, deleted);
        list.RebuildRows();
    }
    currentClip_ = -1;
    if (!list.shownRecords.empty()) {
        list.currentIndex = 0;
        list.SelectOnlyRow(0);
        list.EnsureRowVisible(0);
    }
    if (list.allRecords.empty()) {
        SetZoomMode(0);
        noSource_ = 1;
        CloseAndClear();
        if (infoPanel_ != nullptr && infoPanel_->Handle() != nullptr) {
            infoPanel_->Invalidate();
        }
    }
    filePanel_.RedrawFileCount(Handle(), sizeMode_, VideoRect());
}
