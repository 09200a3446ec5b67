#pragma once

#include "browser/core/FolderTree.h"

// A folder tree nobody looks at, so a timed scan pays only for the walk.
class NullTree final : public FolderTree {
public:
    size_t ItemCount() const override { return 0; }
    TreeItemId InsertLast(TreeItemId, UiStringView, uint32_t) override { return 1; }
    void SetItemMask(TreeItemId, uint32_t) override {}
    TreeItemId FirstTopItem() const override { return kNoTreeItem; }
    TreeItemId ParentItem(TreeItemId) const override { return kNoTreeItem; }
    bool ReadItemText(TreeItemId, UiString&) const override { return false; }
    void DeleteChildren(TreeItemId) override {}
    void DeleteAllItems() override {}
    void ExpandItem(TreeItemId) override {}
    void SelectItem(TreeItemId) override {}
};
