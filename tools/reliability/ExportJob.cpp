#include "tools/reliability/ExportJob.h"

#include "app/MainWindowIds.h"
#include "tools/reliability/ProcessWindows.h"
#include "tools/reliability/ViewerState.h"

namespace {

constexpr DWORD kChooserLimitMs = 10000;
constexpr DWORD kWorkerLimitMs = 20000;
constexpr wchar_t kFinishedMessage[] = L"完了しました。";
constexpr wchar_t kExportPattern[] = L"\\*.csv";

void Click(HWND dialog, UINT command) {
    PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(command, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, static_cast<int>(command))));
}

// Closes a file search.
class FileSearch {
public:
    FileSearch(const std::wstring& pattern, WIN32_FIND_DATAW& found)
        : handle_(FindFirstFileW(pattern.c_str(), &found)) {}
    ~FileSearch() {
        if (Found()) {
            FindClose(handle_);
        }
    }
    FileSearch(const FileSearch&) = delete;
    FileSearch& operator=(const FileSearch&) = delete;
    bool Found() const { return handle_ != INVALID_HANDLE_VALUE; }
    bool Next(WIN32_FIND_DATAW& found) const { return FindNextFileW(handle_, &found) != FALSE; }

private:
    HANDLE handle_;
};

}  // namespace

bool ExportJob::StartAndWaitRunning(DWORD process, HWND window) const {
    RemoveEarlierExports();
    if (!WaitForClipData(window)) {
        return false;
    }
    // Out of the way: the chooser's folder tree selects what the pointer
    // rests on, not the folder it was opened at.
    SetCursorPos(0, 0);
    Click(window, kCommandCsv);
    HWND chooser = nullptr;
    if (!WaitUntil([&] { return (chooser = BoxOf(process, window)) != nullptr; }, kChooserLimitMs)) {
        return false;
    }
    Click(chooser, IDOK);
    // Any box after the chooser has gone (an error, an overwrite question)
    // means the export will not run.
    const bool settled = WaitUntil(
        [&] {
            const HWND box = BoxOf(process, window);
            return WorkerWriting(window) || (box != nullptr && box != chooser);
        },
        kWorkerLimitMs);
    // The chooser does not always open at the folder asked for; an export
    // written elsewhere is not the one meant.
    return settled && WorkerWriting(window) && HasExport();
}

bool ExportJob::IsFinishedBox(HWND box) { return BoxMessage(box) == kFinishedMessage; }

bool ExportJob::HasExport() const {
    WIN32_FIND_DATAW found{};
    return FileSearch(folder_ + kExportPattern, found).Found();
}

void ExportJob::RemoveEarlierExports() const {
    WIN32_FIND_DATAW found{};
    const FileSearch search(folder_ + kExportPattern, found);
    if (!search.Found()) {
        return;
    }
    do {
        DeleteFileW((folder_ + L"\\" + found.cFileName).c_str());
    } while (search.Next(found));
}
