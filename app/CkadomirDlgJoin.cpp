// Joining recordings: the user ticks a run of the shown list and names the
// output; the joiner merges every further recording into the first one's
// box tree and writes it under a temporary name, which becomes the chosen
// name only once the whole movie is on disk.

#include <windows.h>
// After windows.h, which it needs.
#include <commdlg.h>

#include <memory>
#include <numeric>
#include <vector>

#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "app/core/JobRules.h"
#include "framework/UserPrompts.h"
#include "joiner/MovieJoiner.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/IniFile.h"

namespace {

constexpr int kSlotJoinFailed = 95;
constexpr wchar_t kMovieExtension[] = L"mov";
constexpr wchar_t kMovieFilter[] = L"Movie Files(*.mov)|*mov|All Files(*.*)|*.*||";

std::wstring FolderOf(const std::wstring& path) {
    const size_t slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash);
}

std::vector<std::wstring> PathsOf(const MovieFileRecordList& records) {
    std::vector<std::wstring> paths;
    for (const MovieFileRecord& record : records) {
        paths.emplace_back(record.FullPath());
    }
    return paths;
}

bool SamePath(const std::wstring& a, const std::wstring& b) {
    return CompareStringOrdinal(a.c_str(), -1, b.c_str(), -1, TRUE) == CSTR_EQUAL;
}

// Writing over a recording that is being read would destroy it.
bool NamesASource(const std::wstring& output, const std::vector<std::wstring>& sources) {
    wchar_t full[MAX_PATH];
    const DWORD length = GetFullPathNameW(output.c_str(), MAX_PATH, full, nullptr);
    const std::wstring target = length > 0 && length < MAX_PATH ? std::wstring(full) : output;
    for (const std::wstring& source : sources) {
        if (SamePath(target, source)) {
            return true;
        }
    }
    return false;
}

}  // namespace

LRESULT CkadomirDlg::OnJoinClips(const fw::Message&) {
    if (IsNearEnd() || JobOutstanding()) {
        return 0;
    }
    RewindBeforeJob();
    workerKind_ = 1;
    JoinJob job;
    job.shown = filePanel_.List().shownRecords;
    const int row = SelectedRow();
    if (!job.shown.empty()) {
        job.initialGroup = static_cast<int>(job.shown[static_cast<size_t>(IsClipIndex(row) ? row : 0)].groupNumber);
    }
    StartWorker([job](CkadomirDlg& window) { return window.JoinClipsThread(job); });
    return 0;
}

// The joined flags of the shown records of these recordings; false when
// there are no shown records to mark. On the UI thread.
bool CkadomirDlg::SetJoinedFlags(const std::vector<std::wstring>& paths, uint32_t flag) {
    MovieFileRecordList& shown = filePanel_.List().shownRecords;
    if (shown.empty()) {
        return false;
    }
    for (MovieFileRecord& record : shown) {
        for (const std::wstring& path : paths) {
            if (record.FullPath() == path) {
                record.joinedFlag = flag;
            }
        }
    }
    return true;
}

unsigned CkadomirDlg::JoinClipsThread(const JoinJob& job) {
    const HWND owner = Handle();
    CFileSelectDlg dialog;
    dialog.mode = kSelectJoin;
    dialog.initialGroup = job.initialGroup;
    dialog.SetShownRecords(job.shown, owner);
    if (seams_.runSelection(dialog, owner) != IDOK || dialog.ResultRecords().empty()) {
        return 0;
    }
    const MovieFileRecordList& ticked = dialog.ResultRecords();
    const std::vector<std::wstring> sources = PathsOf(ticked);

    fw::FileRequest request;
    request.save = true;
    // Beside the last joined movie; without one, where the dialog opens.
    const std::wstring lastFolder = ReadIniString(kFolderPathSection, kJoinFolderKey);
    request.initialName = (lastFolder.empty() ? L"" : lastFolder + L"\\") + std::wstring(ticked[0].FileName());
    request.defaultExtension = kMovieExtension;
    request.filter = kMovieFilter;
    request.flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    const std::optional<std::wstring> output = fw::Prompts().ChooseFile(owner, request);
    if (!output) {
        return 0;
    }
    bool marked = false;
    RunOnUiThread([&] { marked = SetJoinedFlags(sources, 1); });
    if (!marked) {
        ShowError(UiText(kSlotJoinFailed));
        return 0;
    }
    const auto failed = [&] {
        RunOnUiThread([&] { ClearJoinedFlags(sources); });
        ShowError(UiText(kSlotJoinFailed));
        return 0u;
    };
    const uint64_t total = std::accumulate(ticked.begin(), ticked.end(), uint64_t{0},
                                           [](uint64_t sum, const MovieFileRecord& r) { return sum + r.fileSize; });
    if (!JoinFitsFreeSpace(total, seams_.freeSpace(FolderOf(*output)))) {
        return failed();
    }
    std::vector<std::unique_ptr<MovieBoxIndex>> indexes;
    indexes.push_back(MovieBoxIndex::Open(sources[0]));
    if (indexes[0] == nullptr || !MovieJoiner::HasRecorderDataSection(*indexes[0])) {
        return failed();
    }
    const auto count = static_cast<int32_t>(sources.size());
    workerStarted_ = 1;
    PostProgress(0, count);
    for (int32_t i = 1; i < count; ++i) {
        if (!workerRun_.load()) {
            return 0;
        }
        // Every index stays open until the write: the first one's tree
        // points into the others.
        std::unique_ptr<MovieBoxIndex> index = MovieBoxIndex::Open(sources[static_cast<size_t>(i)]);
        if (index == nullptr || !MovieJoiner::Merge(*indexes[0], *index)) {
            return failed();
        }
        indexes.push_back(std::move(index));
        PostProgress(static_cast<uint32_t>(JoinMergeProgress(i)), count);
    }
    if (!workerRun_.load()) {
        return 0;
    }
    std::unique_ptr<FileOutputSink> sink = NamesASource(*output, sources) ? nullptr : seams_.createJoinOutput(*output);
    if (sink == nullptr) {
        ShowError(UiText(kSlotJoinFailed));
        return 0;
    }
    const bool written = MovieJoiner::WriteBox(indexes[0]->Root(), *sink, [this] { return workerRun_.load() == 0; }) &&
                         sink->Commit();
    if (!written) {
        // The sink takes its unfinished file away with it.
        sink.reset();
        return workerRun_.load() ? failed() : 0u;
    }
    WriteIniString(kFolderPathSection, kJoinFolderKey, FolderOf(*output));
    PostProgress(0, 0);
    workerFinished_ = 1;
    return 0;
}
