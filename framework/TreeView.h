#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

namespace fw {

// A tree view (WC_TREEVIEW).
class TreeView : public Window {
public:
    bool Create(const WindowArgs& args) { return CreateControl(WC_TREEVIEWW, args); }
    HTREEITEM InsertItem(const std::wstring& text, HTREEITEM parent = TVI_ROOT, HTREEITEM after = TVI_LAST,
                         int image = 0, int selectedImage = 0, LPARAM data = 0) const;
    BOOL DeleteAllItems() const { return TreeView_DeleteAllItems(Handle()); }
    BOOL SelectItem(HTREEITEM item) const { return TreeView_SelectItem(Handle(), item); }
    HTREEITEM GetSelection() const { return TreeView_GetSelection(Handle()); }
    HTREEITEM GetRoot() const { return TreeView_GetRoot(Handle()); }
    HTREEITEM GetParentItem(HTREEITEM item) const { return TreeView_GetParent(Handle(), item); }
    HTREEITEM GetChildItem(HTREEITEM item) const { return TreeView_GetChild(Handle(), item); }
    HTREEITEM GetNextSiblingItem(HTREEITEM item) const { return TreeView_GetNextSibling(Handle(), item); }
    BOOL Expand(HTREEITEM item, UINT action = TVE_EXPAND) const { return TreeView_Expand(Handle(), item, action); }
    BOOL EnsureVisible(HTREEITEM item) const { return TreeView_EnsureVisible(Handle(), item); }
    UINT GetCount() const { return TreeView_GetCount(Handle()); }
    HIMAGELIST SetImageList(HIMAGELIST list, int kind = TVSIL_NORMAL) const {
        return TreeView_SetImageList(Handle(), list, kind);
    }
    // The item's text; empty when it cannot be read.
    std::wstring GetItemText(HTREEITEM item) const;
    LPARAM GetItemData(HTREEITEM item) const;
};

}  // namespace fw
