// The CSV export: one line per recording of the whole source, read from
// the recording files themselves, into a folder the user chooses. The open
// clip is closed while the files are read, and opened again at its frame
// afterwards.

#include <memory>
#include <optional>

#include "ClipDataPreload.h"
#include "ClipMetadataReaders.h"
#include "app/AnsiTextFile.h"
#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "app/core/CsvRows.h"
#include "browser/platform/HostFileSystem.h"
#include "framework/UserPrompts.h"
#include "index/MovieBoxIndex.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/FolderBrowser.h"
#include "ui/shared/IniFile.h"

namespace {

constexpr int kSlotCreateFailed = 96;
constexpr int kSlotNoRecordings = 101;
constexpr int kSlotChooseOutputFolder = 103;
constexpr int kSlotNameExists = 93;
constexpr int kSlotConfirm = 106;

std::wstring InFolder(const std::wstring& folder, const std::wstring& name) {
    return !folder.empty() && folder.back() == L'\\' ? folder + name : folder + L"\\" + name;
}

bool FileExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

// The export's name for a source whose first recording is this one;
// nothing when its start time cannot be read.
std::optional<std::wstring> CsvNameFor(const MovieFileRecord& first) {
    const std::unique_ptr<MovieBoxIndex> index = MovieBoxIndex::Open(std::wstring(first.FullPath()));
    SystemTime start;
    if (index == nullptr || !index->FindRecordingStartTime(start)) {
        return std::nullopt;
    }
    return CsvFileName(start);
}

// One recording's line, from its box index and data section.
std::wstring CsvLineFor(const MovieFileRecord& record) {
    const std::wstring path(record.FullPath());
    const std::wstring name(record.FileName());
    const std::unique_ptr<MovieBoxIndex> index = MovieBoxIndex::Open(path);
    if (index == nullptr) {
        return CsvFallbackLine(name);
    }
    const uint64_t frameSize = index->GetFrameSize();
    CsvRecordingFacts facts;
    facts.width = static_cast<int32_t>(static_cast<uint32_t>(frameSize));
    facts.height = static_cast<int32_t>(static_cast<uint32_t>(frameSize >> 32));
    if (facts.width < 0 || !index->FindRecordingStartTime(facts.start)) {
        return CsvFallbackLine(name);
    }
    facts.fileName = name;
    facts.frameCount = index->GetFrameCount();
    facts.frameRate = index->GetFrameRate();
    facts.resolutionLetter = static_cast<char>(ReadClipCsLetter(path.c_str()));
    facts.fileSize = index->FileSize();
    return CsvRecordingLine(facts);
}

}  // namespace

LRESULT CkadomirDlg::OnExportCsv(const fw::Message&) {
    if (IsNearEnd() || JobOutstanding()) {
        return 0;
    }
    PausePlayback();
    reopenAtFrame_ = 1;
    // No recording may stay open in the pre-load while the files are read.
    PreloadClipData(engine_, nullptr);
    const SourceSnapshot source = filePanel_.Snapshot();
    StartWorker([source](CkadomirDlg& window) { return window.ExportCsvThread(source); });
    return 0;
}

unsigned CkadomirDlg::ExportCsvThread(const SourceSnapshot& source) {
    const HWND owner = Handle();
    const std::wstring folder =
        BrowseForFolder(owner, kFolderPathSection, kCsvFolderKey, UiText(kSlotChooseOutputFolder));
    if (folder.empty()) {
        RunOnUiThread([this] { reopenAtFrame_ = 0; });
        return 0;
    }
    // A walk of its own: the panel's lists belong to the UI thread.
    const MovieFileRecordList records = CollectSourceRecords(HostFileSystem(), recorderProbe_, source);
    if (records.empty()) {
        RunOnUiThread([this] { noSource_ = 1; });
        ShowError(UiText(kSlotNoRecordings));
        return 0;
    }
    const std::optional<std::wstring> name = CsvNameFor(records.front());
    if (!name) {
        ShowError(UiText(kSlotCreateFailed));
        return 0;
    }
    const std::wstring path = InFolder(folder, *name);
    if (FileExists(path) &&
        fw::Prompts().ShowMessage(owner, UiText(kSlotNameExists), UiText(kSlotConfirm), MB_OKCANCEL) != IDOK) {
        return 0;
    }
    RunOnUiThread([this] {
        reopenFrame_ = EngineReady() ? engineTable_.GetCurrentFrame(&engine_) : 0;
        CloseClipForJob();
    });
    AnsiTextFile file;
    if (!file.Create(path) || !file.Write(CsvHeaderLine())) {
        ShowError(UiText(kSlotCreateFailed));
        return 0;
    }
    const auto count = static_cast<int32_t>(records.size());
    workerStarted_ = 1;
    PostProgress(0, count);
    for (int32_t i = 0; i < count; ++i) {
        if (!workerRun_.load()) {
            return 0;
        }
        if (!file.Write(CsvLineFor(records[static_cast<size_t>(i)]))) {
            ShowError(UiText(kSlotCreateFailed));
            return 0;
        }
        PostProgress(static_cast<uint32_t>(i + 1), count);
    }
    PostProgress(static_cast<uint32_t>(count), count);
    WriteIniString(kFolderPathSection, kCsvFolderKey, folder);
    workerFinished_ = 1;
    return 0;
}
