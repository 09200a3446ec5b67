#pragma once

#include <cstdint>

#include "ui/core/UiChar.h"

// Items of a folder tree: an opaque handle, 0 for none (and, as a parent,
// for the tree's root).
using TreeItemId = uintptr_t;
constexpr TreeItemId kNoTreeItem = 0;

// The folder tree as the walks and the panel see it. CFolderTreeCtrl
// implements it on the tree-view control; tests on an in-memory tree.
class FolderTree {
public:
    virtual ~FolderTree() = default;

    virtual size_t ItemCount() const = 0;
    // Inserts a folder name as the last child of parent (kNoTreeItem: a top
    // item), with image and selected image 0 and the kinds mask as the item's
    // parameter. kNoTreeItem when it failed.
    virtual TreeItemId InsertLast(TreeItemId parent, UiStringView name, uint32_t kindsMask) = 0;
    virtual void SetItemMask(TreeItemId item, uint32_t kindsMask) = 0;
    virtual TreeItemId FirstTopItem() const = 0;
    virtual TreeItemId ParentItem(TreeItemId item) const = 0;
    // The item's text, at most 260 units; false when it cannot be read.
    virtual bool ReadItemText(TreeItemId item, UiString& text) const = 0;
    virtual void DeleteChildren(TreeItemId item) = 0;
    virtual void DeleteAllItems() = 0;
    virtual void ExpandItem(TreeItemId item) = 0;
    // Makes the item the selected one (TVGN_CARET); a change of selection
    // goes to the owner's folder-selected handler.
    virtual void SelectItem(TreeItemId item) = 0;

    void SetRootPath(UiStringView path) { rootPath_ = UiString(path); }
    const UiString& RootPath() const { return rootPath_; }

    // The full path of an item: the names from the top item down joined by
    // '\', after the root path and a '\' when the root path is not empty.
    // Empty for no item or when a text cannot be read.
    UiString GetItemPath(TreeItemId item) const;
    // How many ancestors the item has (0 for a top item).
    int ItemDepth(TreeItemId item) const;

private:
    UiString rootPath_;
};
