#include "browser/core/FolderWalks.h"

#include "browser/core/RecordLists.h"
#include "browser/core/RecordNames.h"
#include "ui/core/MovFileName.h"

namespace {

bool IsDotEntry(const FolderEntry& entry) {
    return entry.name == UI_TEXT(".") || entry.name == UI_TEXT("..");
}

}  // namespace

bool JoinPath(UiStringView folder, UiStringView name, UiString& out) {
    if (folder.size() + 1 + name.size() > kRecordPathChars) {
        return false;
    }
    out.assign(folder);
    out += UI_TEXT('\\');
    out += name;
    return true;
}

bool FolderWalker::PassesProbe(UiStringView name, UiStringView fullPath) const {
    // The name test first: the engine's test opens the file.
    return IsMovFile(name) && probe_.EngineReady() && probe_.IsRecorderFile(fullPath);
}

int FolderWalker::AddMovieFileRecord(UiStringView fullPath, MovieFileRecordList& records, uint32_t group) {
    if (!IsMovFile(LastPathComponent(fullPath)) || fullPath.size() > kRecordPathChars) {
        return 0;
    }
    const std::optional<uint64_t> size = fs_.OpenFileSize(fullPath);
    if (!size) {
        return 0;
    }
    return AppendBuiltRecord(fullPath, *size, group, counters_, records) ? 1 : 0;
}

int FolderWalker::FillFolderTree(UiStringView folder, FolderTree& tree, TreeItemId parent,
                                 MovieFileRecordList* records, MovieFileRecordList* folders, bool checkContents,
                                 bool add, uint32_t* count, int depth) {
    return WalkTree(folder, tree, parent, records, folders, checkContents, add, count, nullptr, depth);
}

int FolderWalker::WalkTree(UiStringView folder, FolderTree& tree, TreeItemId parent, MovieFileRecordList* records,
                           MovieFileRecordList* folders, bool checkContents, bool add, uint32_t* count,
                           uint32_t* mask, int depth) {
    FolderListing entries;
    if (!fs_.ListFolder(folder, entries)) {
        return 1;
    }
    SortFindDataByName(entries);
    if (add && records != nullptr && records->size() < kMaxListedRecords) {
        // One allocation for the folder's records: each is over 1 KiB.
        const size_t room = kMaxListedRecords - records->size();
        records->reserve(records->size() + (entries.size() < room ? entries.size() : room));
    }
    UiString path;
    for (const FolderEntry& entry : entries) {
        if (!entry.directory) {
            if (!JoinPath(folder, entry.name, path) || !PassesProbe(entry.name, path)) {
                continue;
            }
            if (count != nullptr) {
                ++*count;
            }
            if (mask != nullptr) {
                *mask |= KindMaskBit(RecordKindLetter(entry.name));
            }
            if (add && records != nullptr && records->size() < kMaxListedRecords) {
                // The probe has just opened the file; its size is the
                // listing's (the full 64-bit size), so it is not opened again.
                AppendBuiltRecord(path, entry.size, 0, counters_, *records);
            }
            continue;
        }
        if (IsDotEntry(entry) || !JoinPath(folder, entry.name, path)) {
            continue;
        }
        if (checkContents) {
            // Only the accepted recordings standing directly in the
            // sub-folder make it an item; the inner walk only counts, and
            // notes their kinds (the item's mask) on the way.
            uint32_t localCount = 0;
            uint32_t localMask = 0;
            if (depth < kMaxWalkDepth) {
                WalkTree(path, tree, kNoTreeItem, records, folders, checkContents, false, &localCount, &localMask,
                         depth + 1);
            }
            if (localCount != 0 && add && tree.ItemCount() < kMaxTreeItems) {
                const TreeItemId item = tree.InsertLast(parent, entry.name, 0);
                if (item != kNoTreeItem && folders != nullptr) {
                    AddPlaceholderRecord(path, *folders);
                    tree.SetItemMask(item, localMask);
                }
            }
        } else if (depth < kMaxWalkDepth && add && tree.ItemCount() < kMaxTreeItems) {
            tree.InsertLast(parent, entry.name, 0);
        }
    }
    return 1;
}

int FolderWalker::CountMovieFiles(UiStringView folder, uint32_t& mask) {
    mask = 0;
    FolderListing entries;
    if (!fs_.ListFolder(folder, entries)) {
        return 0;
    }
    SortFindDataByName(entries);
    UiString path;
    for (const FolderEntry& entry : entries) {
        if (IsDotEntry(entry) || !JoinPath(folder, entry.name, path)) {
            continue;
        }
        const UiChar letter = RecordKindLetter(entry.name);
        if (letter != 0 && PassesProbe(entry.name, path)) {
            mask |= KindMaskBit(letter);
        }
    }
    return 1;
}

int FolderWalker::CollectRecordsRecursive(UiStringView folder, MovieFileRecordList& records, uint32_t* count,
                                          int depth) {
    FolderListing entries;
    if (!fs_.ListFolder(folder, entries)) {
        return 1;
    }
    SortFindDataGroups(entries);
    UiString path;
    for (const FolderEntry& entry : entries) {
        if (!entry.directory) {
            if (count != nullptr) {
                ++*count;
            }
            if (JoinPath(folder, entry.name, path) && PassesProbe(entry.name, path)) {
                AppendBuiltRecord(path, entry.size, 0, counters_, records);
            }
            continue;
        }
        if (IsDotEntry(entry) || depth >= kMaxWalkDepth || !JoinPath(folder, entry.name, path)) {
            continue;
        }
        MovieFileRecordList local;
        uint32_t localCount = 0;
        if (!CollectRecordsRecursive(path, local, &localCount, depth + 1)) {
            return 0;
        }
        if (localCount != 0) {
            SortMovieFileRecords(local);
        } else if (local.empty()) {
            continue;
        }
        AppendRecords(records, local);
    }
    return 1;
}

int FolderWalker::CollectFolderRecords(UiStringView folder, MovieFileRecordList& records) {
    FolderListing entries;
    if (!fs_.ListFolder(folder, entries)) {
        return 0;
    }
    SortFindDataByName(entries);
    UiString path;
    for (const FolderEntry& entry : entries) {
        if (entry.directory || RecordKindLetter(entry.name) == 0 || !JoinPath(folder, entry.name, path)) {
            continue;
        }
        if (IsMovFile(entry.name)) {
            AddMovieFileRecord(path, records, 0);
        }
    }
    return 1;
}
