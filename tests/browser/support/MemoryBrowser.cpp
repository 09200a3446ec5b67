#include "MemoryBrowser.h"

#include <algorithm>

namespace browser_testing {

UiString U(const std::string& ascii) {
    return UiString(ascii.begin(), ascii.end());
}

std::string A(UiStringView text) {
    std::string ascii;
    for (const UiChar c : text) {
        ascii.push_back(static_cast<char>(c));
    }
    return ascii;
}

namespace {

std::string ParentOf(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.find_last_of('\\');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

void MemoryFileSystem::AddFolder(const std::string& path) {
    if (path.empty() || nodes_.count(path)) {
        return;
    }
    const std::string parent = ParentOf(path);
    if (!parent.empty()) {
        AddFolder(parent);
        nodes_[parent].children.push_back(NameOf(path));
    }
    nodes_[path].directory = true;
}

void MemoryFileSystem::AddFile(const std::string& path, bool recording, uint64_t size) {
    const std::string parent = ParentOf(path);
    AddFolder(parent);
    if (!nodes_.count(path)) {
        nodes_[parent].children.push_back(NameOf(path));
    }
    Node& node = nodes_[path];
    node.directory = false;
    node.recording = recording;
    node.size = size;
}

void MemoryFileSystem::AddRecordings(const std::string& folder, const std::vector<std::string>& names) {
    for (const std::string& name : names) {
        AddFile(folder + "\\" + name);
    }
}

void MemoryFileSystem::Remove(const std::string& path) {
    for (auto it = nodes_.begin(); it != nodes_.end();) {
        if (it->first == path || it->first.rfind(path + "\\", 0) == 0) {
            it = nodes_.erase(it);
        } else {
            ++it;
        }
    }
    auto parent = nodes_.find(ParentOf(path));
    if (parent != nodes_.end()) {
        auto& children = parent->second.children;
        children.erase(std::remove(children.begin(), children.end(), NameOf(path)), children.end());
    }
}

bool MemoryFileSystem::IsRecording(UiStringView path) const {
    const auto node = nodes_.find(A(path));
    return node != nodes_.end() && !node->second.directory && node->second.recording &&
           !unopenable_.count(node->first);
}

bool MemoryFileSystem::ListFolder(UiStringView folder, FolderListing& entries) const {
    const std::string path = A(folder);
    const auto node = nodes_.find(path);
    if (node == nodes_.end() || !node->second.directory || unlistable_.count(path)) {
        return false;
    }
    const auto& children = node->second.children;
    for (auto name = children.rbegin(); name != children.rend(); ++name) {
        const Node& child = nodes_.at(path + "\\" + *name);
        entries.push_back({U(*name), child.directory, child.size});
    }
    entries.push_back({U("."), true, 0});
    entries.push_back({U(".."), true, 0});
    return true;
}

bool MemoryFileSystem::PathExists(UiStringView path) const {
    std::string key = A(path);
    if (!key.empty() && key.back() == '\\') {
        key.pop_back();  // a drive root "E:\"
    }
    return nodes_.count(key) != 0;
}

std::optional<uint64_t> MemoryFileSystem::OpenFileSize(UiStringView path) const {
    const auto node = nodes_.find(A(path));
    if (node == nodes_.end() || node->second.directory || unopenable_.count(node->first)) {
        return std::nullopt;
    }
    return node->second.size;
}

bool MemoryProbe::IsRecorderFile(UiStringView fullPath) const {
    ++fs_.probes;
    return fs_.IsRecording(fullPath);
}

size_t MemoryFolderTree::ItemCount() const {
    return static_cast<size_t>(std::count_if(items_.begin() + 1, items_.end(), [](const Item& i) { return i.alive; }));
}

TreeItemId MemoryFolderTree::InsertLast(TreeItemId parent, UiStringView name, uint32_t kindsMask) {
    Item item;
    item.parent = parent;
    item.name = UiString(name);
    item.mask = kindsMask;
    items_.push_back(item);
    return items_.size() - 1;
}

void MemoryFolderTree::SetItemMask(TreeItemId item, uint32_t kindsMask) {
    items_.at(item).mask = kindsMask;
}

std::vector<TreeItemId> MemoryFolderTree::Children(TreeItemId parent) const {
    std::vector<TreeItemId> children;
    for (size_t id = 1; id < items_.size(); ++id) {
        if (items_[id].alive && items_[id].parent == parent) {
            children.push_back(id);
        }
    }
    return children;
}

std::vector<std::string> MemoryFolderTree::ChildNames(TreeItemId parent) const {
    std::vector<std::string> names;
    for (const TreeItemId id : Children(parent)) {
        names.push_back(A(items_[id].name));
    }
    return names;
}

uint32_t MemoryFolderTree::Mask(TreeItemId item) const {
    return items_.at(item).mask;
}

bool MemoryFolderTree::Expanded(TreeItemId item) const {
    return items_.at(item).expanded;
}

TreeItemId MemoryFolderTree::FirstTopItem() const {
    const auto top = Children(kNoTreeItem);
    return top.empty() ? kNoTreeItem : top.front();
}

TreeItemId MemoryFolderTree::ParentItem(TreeItemId item) const {
    return items_.at(item).parent;
}

bool MemoryFolderTree::ReadItemText(TreeItemId item, UiString& text) const {
    if (unreadable.count(item) || !items_.at(item).alive) {
        return false;
    }
    text = items_[item].name;
    return true;
}

void MemoryFolderTree::Delete(TreeItemId item) {
    for (const TreeItemId child : Children(item)) {
        Delete(child);
    }
    items_[item].alive = false;
    if (selected == item) {
        SelectItem(kNoTreeItem);
    }
}

void MemoryFolderTree::DeleteChildren(TreeItemId item) {
    for (const TreeItemId child : Children(item)) {
        Delete(child);
    }
}

void MemoryFolderTree::DeleteAllItems() {
    DeleteChildren(kNoTreeItem);
}

void MemoryFolderTree::ExpandItem(TreeItemId item) {
    items_.at(item).expanded = true;
}

void MemoryFolderTree::SelectItem(TreeItemId item) {
    if (item == selected) {
        return;
    }
    selected = item;
    ++selectionChanges;
    if (onSelect) {
        onSelect(item);
    }
}

void MemoryRecordingList::RebuildRows() {
    rows.clear();
    selectedRow = -1;
    for (const MovieFileRecord& record : shownRecords) {
        rows.push_back(A(record.FileName()));
    }
}

void MemoryRecordingList::SelectOnlyRow(int row) {
    selectedRow = row;
    ++selections;
}

std::vector<std::string> MemoryRecordingList::AllNames() const {
    std::vector<std::string> names;
    for (const MovieFileRecord& record : allRecords) {
        names.push_back(A(record.FileName()));
    }
    return names;
}

std::vector<std::string> MemoryRecordingList::ShownNames() const {
    std::vector<std::string> names;
    for (const MovieFileRecord& record : shownRecords) {
        names.push_back(A(record.FileName()));
    }
    return names;
}

bool MemoryHost::ReadRecorderRecord(UiStringView path, CsRecord& record) {
    recordsRead.push_back(A(path));
    const auto found = firmware.find(A(path));
    if (found == firmware.end()) {
        return false;
    }
    std::copy(found->second.begin(), found->second.begin() + 6, record.versionBytes);
    record.typeLetter = 'M';
    return true;
}

std::vector<UiString> MemoryHost::RemovableDrives() {
    std::vector<UiString> roots;
    for (const std::string& drive : drives) {
        roots.push_back(U(drive));
    }
    return roots;
}

UiString MemoryHost::ReadSourceSetting(UiStringView key) {
    const auto found = settings.find(A(key));
    return found == settings.end() ? UiString() : U(found->second);
}

}  // namespace browser_testing
