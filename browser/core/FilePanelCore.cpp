#include "browser/core/FilePanelCore.h"

#include "browser/core/RecorderVersion.h"

namespace {

constexpr UiChar kDcimFolder[] = UI_TEXT("\\DCIM");

}  // namespace

UiString WithoutTrailingSlash(UiStringView path) {
    if (!path.empty() && path.back() == UI_TEXT('\\')) {
        path.remove_suffix(1);
    }
    return UiString(path);
}

UiString WithoutSlashes(UiStringView path) {
    UiString result;
    for (const UiChar c : path) {
        if (c != UI_TEXT('\\')) {
            result += c;
        }
    }
    return result;
}

UiString ParentPath(UiStringView path) {
    const size_t slash = path.find_last_of(UI_TEXT('\\'));
    return slash == UiStringView::npos ? UiString() : UiString(path.substr(0, slash));
}

UiString FolderOfFile(UiStringView path) {
    const size_t slash = path.find_last_of(UI_TEXT('\\'));
    if (slash == UiStringView::npos) {
        return {};
    }
    // "C:\x.MOV" and "\x.MOV": the root keeps its separator.
    const bool root = slash == 0 || (slash == 2 && path[1] == UI_TEXT(':'));
    return UiString(path.substr(0, root ? slash + 1 : slash));
}

MovieFileRecordList CollectSourceRecords(const BrowserFileSystem& fs, const RecorderFileProbe& probe,
                                         const SourceSnapshot& source) {
    MovieFileRecordList records;
    RecordCounters counters;
    FolderWalker walker(fs, probe, counters);
    switch (source.kind) {
    case kSourceSdCard:
        walker.CollectRecordsRecursive(source.treeRootPath, records, nullptr, 0);
        break;
    case kSourceFile:
        walker.AddMovieFileRecord(source.sourcePath, records, 0);
        SortMovieFileRecords(records);
        break;
    default:
        if (!source.topItemPath.empty()) {
            walker.CollectRecordsRecursive(source.topItemPath, records, nullptr, 0);
        }
        break;
    }
    return records;
}

std::optional<FilePanelCore::InitialSource> FilePanelCore::ChooseInitialSource() const {
    const std::vector<UiString> drives = host_.RemovableDrives();
    for (auto drive = drives.rbegin(); drive != drives.rend(); ++drive) {
        if (fs_.PathExists(*drive)) {
            return InitialSource{WithoutSlashes(*drive), kSourceSdCard};
        }
    }
    const UiString folder = host_.ReadSourceSetting(UI_TEXT("FOLDER"));
    if (!folder.empty() && fs_.PathExists(folder)) {
        return InitialSource{folder, kSourceFolder};
    }
    const UiString file = host_.ReadSourceSetting(UI_TEXT("FILE"));
    if (!file.empty() && fs_.PathExists(file)) {
        return InitialSource{file, kSourceFile};
    }
    return std::nullopt;
}

int FilePanelCore::OpenInitialSource() {
    tree_.DeleteAllItems();
    const std::optional<InitialSource> source = ChooseInitialSource();
    if (!source) {
        return 0;
    }
    OpenSource(source->path, source->kind);
    // ShowRootPath.
    const TreeItemId top = tree_.FirstTopItem();
    if (top == kNoTreeItem) {
        return 0;
    }
    tree_.SelectItem(top);
    host_.ShowPathText(tree_.GetItemPath(top));
    return 1;
}

void FilePanelCore::OpenSource(UiStringView path, SourceKind kind) {
    list_.allRecords.clear();
    counters.running = 0;
    sourcePath = UiString(path);
    sourceKind = kind;
    folderList.clear();
    // An empty path would walk the current drive's root ("\*"); it opens
    // nothing instead.
    if (kind == kSourceFolder) {
        path = UiStringView(sourcePath);
        if (!path.empty() && path.back() == UI_TEXT('\\')) {
            path.remove_suffix(1);
        }
    }
    if (path.empty()) {
        sourcePath.clear();
        sourceKind = kSourceNone;
        return;
    }
    FolderWalker walker = Walker();
    switch (kind) {
    case kSourceSdCard: {
        UiString root(path);
        bool checkContents = false;
        if (fs_.PathExists(root + kDcimFolder)) {
            root += kDcimFolder;
            checkContents = true;
        }
        tree_.SetRootPath(root);
        host_.SetWatchedPath(root);
        walker.FillFolderTree(root, tree_, kNoTreeItem, &list_.allRecords, &folderList, checkContents, true, nullptr,
                              0);
        SortMovieFileRecords(list_.allRecords);
        // Shows the recordings standing in "\DCIM" itself when no folder
        // item takes the list over.
        list_.ApplyKindFilter();
        SelectFirstTopItem();
        recorderVersionText = GetRecorderVersionText();
        break;
    }
    case kSourceFolder: {
        const UiString folder(path);
        const UiString parent = ParentPath(folder);
        tree_.SetRootPath(parent);
        // A drive root has no parent to watch; losing the drive is losing it.
        host_.SetWatchedPath(parent.empty() ? folder + UI_TEXT('\\') : parent);
        const TreeItemId top = tree_.InsertLast(kNoTreeItem, LastPathComponent(folder), 0);
        walker.FillFolderTree(folder, tree_, top, &list_.allRecords, nullptr, false, true, nullptr, 0);
        SortMovieFileRecords(list_.allRecords);
        list_.ApplyKindFilter();
        SelectFirstTopItem();
        break;
    }
    case kSourceFile: {
        const UiString folder = FolderOfFile(path);
        tree_.SetRootPath(folder);
        if (!probe_.EngineReady() || !probe_.IsRecorderFile(path)) {
            break;
        }
        host_.SetWatchedPath(path);
        walker.AddMovieFileRecord(path, list_.allRecords, 0);
        list_.ApplyKindFilter();
        if (!list_.shownRecords.empty()) {
            list_.currentIndex = 0;
            list_.SelectOnlyRow(0);
        }
        host_.ShowPathText(folder);
        break;
    }
    default:
        break;
    }
}

void FilePanelCore::SelectFirstTopItem() {
    // The tree's selection path runs the main window's folder opening.
    const TreeItemId top = tree_.FirstTopItem();
    if (top != kNoTreeItem) {
        tree_.SelectItem(top);
    }
}

int FilePanelCore::OpenFolderItem(TreeItemId item) {
    const UiString path = tree_.GetItemPath(item);
    if (path.empty()) {
        return 0;
    }
    host_.ShowPathText(path);
    list_.allRecords.clear();
    counters.running = 0;
    tree_.DeleteChildren(item);
    const int depth = tree_.ItemDepth(item);
    Walker().FillFolderTree(path, tree_, item, &list_.allRecords, nullptr, false, true, nullptr, depth);
    SortMovieFileRecords(list_.allRecords);
    for (TreeItemId at = item; at != kNoTreeItem; at = tree_.ParentItem(at)) {
        tree_.ExpandItem(at);
    }
    list_.ApplyKindFilter();
    return list_.allRecords.empty() ? 0 : 1;
}

void FilePanelCore::SelectRow(int row, uint32_t origin) {
    selectionOrigin = origin;
    if (row < 0) {
        return;
    }
    if (static_cast<size_t>(row) < list_.shownRecords.size()) {
        list_.currentIndex = row;
        list_.SelectOnlyRow(row);
    }
    list_.EnsureRowVisible(row);
}

void FilePanelCore::SelectFirstRow() {
    if (list_.shownRecords.empty()) {
        return;
    }
    list_.currentIndex = 0;
    list_.SelectOnlyRow(0);
}

void FilePanelCore::SetKindFilter(int k, bool on) {
    if (k < 0 || k >= kKindCount) {
        return;
    }
    list_.showFlags[static_cast<size_t>(k)] = on ? 1 : 0;
    filterChanged = 1;
    list_.ApplyKindFilter();
    // Re-selecting the current row 0 would otherwise read as the user
    // clicking the playing clip again, leaving it playing under another
    // recording's name.
    if (list_.currentIndex == 0 && !list_.shownRecords.empty()) {
        selectionOrigin = kOriginKindFilter;
    }
    SelectFirstRow();
}

SourceSnapshot FilePanelCore::Snapshot() const {
    SourceSnapshot snapshot;
    snapshot.kind = sourceKind;
    snapshot.treeRootPath = tree_.RootPath();
    snapshot.sourcePath = sourcePath;
    snapshot.topItemPath = tree_.GetItemPath(tree_.FirstTopItem());
    return snapshot;
}

const MovieFileRecordList& FilePanelCore::CollectAllRecords() {
    exportList.clear();
    counters.running = 0;
    exportList = CollectSourceRecords(fs_, probe_, Snapshot());
    return exportList;
}

UiString FilePanelCore::GetRecorderVersionText() {
    if (folderList.empty()) {
        return {};
    }
    SortRecordsByName(folderList);
    MovieFileRecordList listing;
    RecordCounters localCounters;
    FolderWalker(fs_, probe_, localCounters).CollectFolderRecords(folderList.back().FullPath(), listing);
    if (listing.empty() || !probe_.EngineReady()) {
        return {};
    }
    CsRecord record{};
    if (!host_.ReadRecorderRecord(listing.front().FullPath(), record)) {
        return {};
    }
    return FormatRecorderVersion(record);
}

void FilePanelCore::Clear(bool ownerSet) {
    clearing = 1;
    tree_.DeleteAllItems();
    folderList.clear();
    clearing = 0;
    if (ownerSet) {
        host_.ShowPathText(UiStringView());
        list_.shownRecords.clear();
        list_.DeleteAllRows();
    }
    list_.allRecords.clear();
}
