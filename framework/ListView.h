#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <string>

#include "framework/Window.h"

namespace fw {

// A list view (WC_LISTVIEW).
class ListView : public Window {
public:
    bool Create(const WindowArgs& args) { return CreateControl(WC_LISTVIEWW, args); }
    void SetExtendedStyle(DWORD mask, DWORD style) const { ListView_SetExtendedListViewStyleEx(Handle(), mask, style); }
    int InsertColumn(int index, const std::wstring& text, int width, int format = LVCFMT_LEFT) const;
    int InsertItem(int index, const std::wstring& text, LPARAM data = 0) const;
    BOOL SetItemText(int index, int column, const std::wstring& text) const;
    std::wstring GetItemText(int index, int column) const;
    LPARAM GetItemData(int index) const;
    int GetItemCount() const { return ListView_GetItemCount(Handle()); }
    BOOL DeleteAllItems() const { return ListView_DeleteAllItems(Handle()); }
    int GetNextItem(int start, UINT flags) const { return ListView_GetNextItem(Handle(), start, flags); }
    void SetItemState(int index, UINT state, UINT mask) const { ListView_SetItemState(Handle(), index, state, mask); }
    UINT GetItemState(int index, UINT mask) const { return ListView_GetItemState(Handle(), index, mask); }
    void SetCheckState(int index, bool checked) const { ListView_SetCheckState(Handle(), index, checked); }
    bool GetCheckState(int index) const { return ListView_GetCheckState(Handle(), index) != FALSE; }
    BOOL EnsureVisible(int index) const { return ListView_EnsureVisible(Handle(), index, FALSE); }
    BOOL SetBkColor(COLORREF colour) const { return ListView_SetBkColor(Handle(), colour); }
    BOOL SetColumnWidth(int column, int width) const { return ListView_SetColumnWidth(Handle(), column, width); }
    int GetColumnWidth(int column) const { return ListView_GetColumnWidth(Handle(), column); }
    BOOL GetItemRect(int index, RECT& r, int code = LVIR_BOUNDS) const { return ListView_GetItemRect(Handle(), index, &r, code); }
    HWND GetHeader() const { return ListView_GetHeader(Handle()); }
    HIMAGELIST SetImageList(HIMAGELIST list, int kind) const { return ListView_SetImageList(Handle(), list, kind); }
};

}  // namespace fw
