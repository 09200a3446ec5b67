#pragma once

#include <windows.h>

#include <array>

#include "browser/BrowserMessages.h"
#include "browser/core/FolderTree.h"
#include "framework/Handles.h"
#include "framework/ImageList.h"
#include "framework/TreeView.h"

// The folder tree of the file panel: paints every item itself
// (selected items 0xFFCC00 with white text, a kinds mark composed from
// bitmaps 315-319 for folders holding recordings) and hands a change of the
// selected folder to its owner.
class CFolderTreeCtrl : public fw::TreeView, public FolderTree {
public:
    CFolderTreeCtrl();
    ~CFolderTreeCtrl() override;

    // Creates the control (id 38300) and sets its image list.
    bool CreateTree(HWND parent, const RECT& rect, HFONT font);
    void SetOwner(FolderSelectionHandler* owner) { owner_ = owner; }

    // FolderTree
    size_t ItemCount() const override { return GetCount(); }
    TreeItemId InsertLast(TreeItemId parent, UiStringView name, uint32_t kindsMask) override;
    void SetItemMask(TreeItemId item, uint32_t kindsMask) override;
    TreeItemId FirstTopItem() const override { return ToId(GetRoot()); }
    TreeItemId ParentItem(TreeItemId item) const override { return ToId(GetParentItem(ToItem(item))); }
    bool ReadItemText(TreeItemId item, UiString& text) const override;
    void DeleteChildren(TreeItemId item) override;
    void DeleteAllItems() override { fw::TreeView::DeleteAllItems(); }
    void ExpandItem(TreeItemId item) override { Expand(ToItem(item)); }
    void SelectItem(TreeItemId item) override { fw::TreeView::SelectItem(ToItem(item)); }

    std::wstring GetItemPath(HTREEITEM item) const { return FolderTree::GetItemPath(ToId(item)); }

    static TreeItemId ToId(HTREEITEM item) { return reinterpret_cast<TreeItemId>(item); }
    static HTREEITEM ToItem(TreeItemId item) { return reinterpret_cast<HTREEITEM>(item); }

    // The 26 x 26 mark of a kinds mask on white, as the item painting draws
    // it; null for mask 0. The caller deletes it.
    HBITMAP ComposeMark(HDC reference, uint32_t kindsMask) const;

protected:
    void PreCreateWindow(CREATESTRUCTW& create) override;
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnCustomDraw(const fw::Message& m);
    LRESULT OnSelchanged(const fw::Message& m);
    LRESULT OnEraseBkgnd(const fw::Message& m);
    void PaintItem(NMTVCUSTOMDRAW& draw);

    fw::ImageList images_;
    FolderSelectionHandler* owner_ = nullptr;
    fw::Bitmap baseMark_;                   // 319
    std::array<fw::Bitmap, 4> overlays_;    // 315, 316, 317, 318
};
