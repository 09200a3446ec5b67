#pragma once

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "browser/core/BrowserFileSystem.h"
#include "browser/core/FilePanelCore.h"
#include "browser/core/FolderTree.h"
#include "browser/core/RecordingList.h"

namespace browser_testing {

// UTF-16 text from an ASCII literal, for either host's UiChar.
UiString U(const std::string& ascii);
std::string A(UiStringView text);

// An in-memory folder tree with '\' paths. Files are recordings (accepted by
// the probe) or not; folders can be made unlistable. Listings come in
// reverse insertion order, so the walks' own sorting is what a test sees.
class MemoryFileSystem final : public BrowserFileSystem {
public:
    void AddFolder(const std::string& path);
    // A file and its parent folders.
    void AddFile(const std::string& path, bool recording = true, uint64_t size = 1000);
    void AddRecordings(const std::string& folder, const std::vector<std::string>& names);
    void Remove(const std::string& path);
    void MakeUnlistable(const std::string& folder) { unlistable_.insert(folder); }
    void MakeUnopenable(const std::string& file) { unopenable_.insert(file); }

    bool IsRecording(UiStringView path) const;
    int probes = 0;  // recorder-file tests asked

    bool ListFolder(UiStringView folder, FolderListing& entries) const override;
    bool PathExists(UiStringView path) const override;
    std::optional<uint64_t> OpenFileSize(UiStringView path) const override;

private:
    struct Node {
        bool directory = false;
        bool recording = false;
        uint64_t size = 0;
        std::vector<std::string> children;  // in insertion order
    };
    std::map<std::string, Node> nodes_;
    std::set<std::string> unlistable_;
    std::set<std::string> unopenable_;
};

// The engine's probe over a MemoryFileSystem.
class MemoryProbe final : public RecorderFileProbe {
public:
    explicit MemoryProbe(MemoryFileSystem& fs) : fs_(fs) {}
    bool ready = true;
    bool EngineReady() const override { return ready; }
    bool IsRecorderFile(UiStringView fullPath) const override;

private:
    MemoryFileSystem& fs_;
};

// An in-memory folder tree; selecting an item calls onSelect (the main
// window's folder-selected handler) when the selection changes.
class MemoryFolderTree final : public FolderTree {
public:
    size_t ItemCount() const override;
    TreeItemId InsertLast(TreeItemId parent, UiStringView name, uint32_t kindsMask) override;
    void SetItemMask(TreeItemId item, uint32_t kindsMask) override;
    TreeItemId FirstTopItem() const override;
    TreeItemId ParentItem(TreeItemId item) const override;
    bool ReadItemText(TreeItemId item, UiString& text) const override;
    void DeleteChildren(TreeItemId item) override;
    void DeleteAllItems() override;
    void ExpandItem(TreeItemId item) override;
    void SelectItem(TreeItemId item) override;

    std::vector<TreeItemId> Children(TreeItemId parent) const;
    std::vector<std::string> ChildNames(TreeItemId parent) const;
    uint32_t Mask(TreeItemId item) const;
    bool Expanded(TreeItemId item) const;
    TreeItemId selected = kNoTreeItem;
    int selectionChanges = 0;
    std::function<void(TreeItemId)> onSelect;
    std::set<TreeItemId> unreadable;

private:
    struct Item {
        TreeItemId parent = kNoTreeItem;
        UiString name;
        uint32_t mask = 0;
        bool expanded = false;
        bool alive = true;
    };
    void Delete(TreeItemId item);
    std::vector<Item> items_{Item{}};  // id 0 stands for "none"
};

// The recording list's rows as names; the selected row.
class MemoryRecordingList final : public RecordingList {
public:
    void RebuildRows() override;
    void DeleteAllRows() override { rows.clear(); selectedRow = -1; }
    void SelectOnlyRow(int row) override;
    void EnsureRowVisible(int row) override { visibleRow = row; }

    std::vector<std::string> rows;
    int selectedRow = -1;
    int visibleRow = -1;
    int selections = 0;  // LVN_ITEMCHANGED with LVIS_SELECTED the control would send
    std::vector<std::string> AllNames() const;
    std::vector<std::string> ShownNames() const;
};

class MemoryHost final : public FilePanelHost {
public:
    void SetWatchedPath(UiStringView path) override { watched = A(path); }
    void ShowPathText(UiStringView text) override { pathText = A(text); }
    bool ReadRecorderRecord(UiStringView path, CsRecord& record) override;
    std::vector<UiString> RemovableDrives() override;
    UiString ReadSourceSetting(UiStringView key) override;

    std::string watched;
    std::string pathText;
    std::vector<std::string> drives;
    std::map<std::string, std::string> settings;
    // Firmware digit bytes (six) of the recordings whose record can be read.
    std::map<std::string, std::string> firmware;
    std::vector<std::string> recordsRead;
};

}  // namespace browser_testing
