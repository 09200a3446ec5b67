#pragma once

#include <cstdint>

#include "browser/core/BrowserFileSystem.h"
#include "browser/core/FolderTree.h"
#include "browser/core/MovieFileRecord.h"

// The folder walks that turn a source on disk into record lists and tree
// items. They only read the medium.

// A tree walk's list holds at most this many records; later recordings are
// counted but get none.
constexpr size_t kMaxListedRecords = 1000;
// No tree item is inserted once the tree holds this many.
constexpr size_t kMaxTreeItems = 1500;
// Walks go down into sub-folders only while the depth is below this.
constexpr int kMaxWalkDepth = 3;

// "<folder>\<name>" into out; false when it would not fit 260 units. An entry
// whose path does not fit is skipped, never cut into another path.
bool JoinPath(UiStringView folder, UiStringView name, UiString& out);

class FolderWalker {
public:
    FolderWalker(const BrowserFileSystem& fs, const RecorderFileProbe& probe, RecordCounters& counters)
        : fs_(fs), probe_(probe), counters_(counters) {}

    // A file is a recording when its name is a ".MOV" name, the engine is
    // initialised and the engine's recorder-file test accepts its full path.
    bool PassesProbe(UiStringView name, UiStringView fullPath) const;

    // The record builder: opens the file (sharing read, existing only) for
    // its size and appends the record. 1 when appended; 0 for a name that is
    // not a ".MOV" name, a path that does not fit, or a file that cannot be
    // opened (the counters are then not advanced).
    int AddMovieFileRecord(UiStringView fullPath, MovieFileRecordList& records, uint32_t group);

    // The tree walk. records and folders may be null, count too. Returns 1.
    int FillFolderTree(UiStringView folder, FolderTree& tree, TreeItemId parent, MovieFileRecordList* records,
                       MovieFileRecordList* folders, bool checkContents, bool add, uint32_t* count, int depth);

    // Kinds mask of the folder's own recordings; 0 when it cannot be listed.
    int CountMovieFiles(UiStringView folder, uint32_t& mask);

    // The whole-source walk: records of sub-folders before a folder's own
    // files. 1, or 0 when a deeper level failed.
    int CollectRecordsRecursive(UiStringView folder, MovieFileRecordList& records, uint32_t* count, int depth);

    // The version search's listing: every kind-pattern ".MOV" file of the
    // folder, by name, without the engine's test. 0 when it cannot be listed.
    int CollectFolderRecords(UiStringView folder, MovieFileRecordList& records);

private:
    int WalkTree(UiStringView folder, FolderTree& tree, TreeItemId parent, MovieFileRecordList* records,
                 MovieFileRecordList* folders, bool checkContents, bool add, uint32_t* count, uint32_t* mask,
                 int depth);

    const BrowserFileSystem& fs_;
    const RecorderFileProbe& probe_;
    RecordCounters& counters_;
};
