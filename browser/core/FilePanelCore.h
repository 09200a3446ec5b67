#pragma once

#include <optional>
#include <vector>

#include "browser/core/FolderTree.h"
#include "browser/core/FolderWalks.h"
#include "browser/core/RecordingList.h"
#include "format/DataRecords.h"

// What a source is (the panel's source kind).
enum SourceKind : int {
    kSourceNone = 0,
    kSourceSdCard = 1,
    kSourceFolder = 2,
    kSourceFile = 3,
};

// Values of the row-selection origin flag: who selected the row. The main
// window's list-selection handler takes a 0 on the current row as the user
// clicking it again, and anything else as a reason to open it anew.
enum SelectionOrigin : uint32_t {
    kOriginUser = 0,
    kOriginNextClip = 1,
    kOriginPreviousClip = 2,
    // A kind filter change re-selected row 0 while it was the current row:
    // row 0 may now hold another recording, which must be opened.
    kOriginKindFilter = 3,
};

// What the panel's logic needs from around it: the watcher, the path edit,
// the engine's recorder-record reader, the drive list and the settings file.
class FilePanelHost {
public:
    virtual ~FilePanelHost() = default;
    virtual void SetWatchedPath(UiStringView path) = 0;
    virtual void ShowPathText(UiStringView text) = 0;
    // ReadClipCsRecord: true only when a valid recorder record was read.
    virtual bool ReadRecorderRecord(UiStringView path, CsRecord& record) = 0;
    // The removable drives' roots ("E:\") in the system's order.
    virtual std::vector<UiString> RemovableDrives() = 0;
    // [SOURCE] key of the settings file; empty when absent.
    virtual UiString ReadSourceSetting(UiStringView key) = 0;
};

// What a whole-source collection needs, taken on the UI thread so that a
// worker can walk without touching the tree.
struct SourceSnapshot {
    SourceKind kind = kSourceNone;
    UiString treeRootPath;
    UiString sourcePath;
    UiString topItemPath;  // the tree's first top item's path; empty when none
};

// Every recording of a source (the CSV export's and the delete's list):
// kind 1 walks the tree's root path, kind 3 takes the one file, other kinds
// the first top item's folder. Any thread may run it.
MovieFileRecordList CollectSourceRecords(const BrowserFileSystem& fs, const RecorderFileProbe& probe,
                                         const SourceSnapshot& source);

// The file panel's logic over its tree, its list and the host:
// source opening, folder opening, kind filters, row selection, the
// whole-source collection and the firmware version. CFilerContainer adds the
// windows, the layout and the painting.
class FilePanelCore {
public:
    FilePanelCore(const BrowserFileSystem& fs, const RecorderFileProbe& probe, FolderTree& tree,
                  RecordingList& list, FilePanelHost& host)
        : fs_(fs), probe_(probe), tree_(tree), list_(list), host_(host) {}

    // The start-up choice: the last removable drive whose root exists (its
    // "\" removed), else the stored folder, else the stored file.
    struct InitialSource {
        UiString path;
        SourceKind kind;
    };
    std::optional<InitialSource> ChooseInitialSource() const;
    // Empties the tree, opens the start-up source and selects the first top
    // item, showing its path. 1 when a source was opened and shows a folder.
    int OpenInitialSource();

    // Opens a source. An empty path opens nothing and leaves kind 0.
    void OpenSource(UiStringView path, SourceKind kind);
    // Lists one folder of the tree. 1 when it holds listed recordings.
    int OpenFolderItem(TreeItemId item);

    void SelectRow(int row, uint32_t origin);
    void SelectFirstRow();
    void SetKindFilter(int k, bool on);

    SourceSnapshot Snapshot() const;
    // Fills and returns the export list.
    const MovieFileRecordList& CollectAllRecords();
    // The recorder firmware version of the newest folder's first recording;
    // empty when there is none (never "0.0.0" for a record that was not read).
    UiString GetRecorderVersionText();
    // Empties tree, folder list and lists; ownerSet also empties the path
    // edit and the rows.
    void Clear(bool ownerSet);

    SourceKind sourceKind = kSourceNone;
    UiString sourcePath;
    MovieFileRecordList folderList;  // one placeholder per SD-card folder item
    MovieFileRecordList exportList;
    UiString recorderVersionText;
    uint32_t selectionOrigin = kOriginUser;
    uint32_t clearing = 0;
    uint32_t filterChanged = 0;
    RecordCounters counters;

private:
    void SelectFirstTopItem();
    FolderWalker Walker() { return FolderWalker(fs_, probe_, counters); }

    const BrowserFileSystem& fs_;
    const RecorderFileProbe& probe_;
    FolderTree& tree_;
    RecordingList& list_;
    FilePanelHost& host_;
};

// Path helpers of the source opening.
// Drops one trailing '\'.
UiString WithoutTrailingSlash(UiStringView path);
// Removes every '\' ("E:\" becomes "E:").
UiString WithoutSlashes(UiStringView path);
// The path up to its last '\' (empty when it has none).
UiString ParentPath(UiStringView path);
// PathRemoveFileSpecW: the path without its last component; a root keeps its
// '\' ("C:\x.MOV" gives "C:\").
UiString FolderOfFile(UiStringView path);
