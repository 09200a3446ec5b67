#include "browser/core/FolderTree.h"

#include <vector>

UiString FolderTree::GetItemPath(TreeItemId item) const {
    if (item == kNoTreeItem) {
        return {};
    }
    std::vector<UiString> names;
    for (TreeItemId at = item; at != kNoTreeItem; at = ParentItem(at)) {
        UiString text;
        if (!ReadItemText(at, text)) {
            return {};
        }
        names.push_back(std::move(text));
    }
    UiString path = rootPath_;
    for (auto name = names.rbegin(); name != names.rend(); ++name) {
        if (!path.empty() || name != names.rbegin()) {
            path += UI_TEXT('\\');
        }
        path += *name;
    }
    return path;
}

int FolderTree::ItemDepth(TreeItemId item) const {
    int depth = 0;
    for (TreeItemId at = ParentItem(item); at != kNoTreeItem; at = ParentItem(at)) {
        ++depth;
    }
    return depth;
}
