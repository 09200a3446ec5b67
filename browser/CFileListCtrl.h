#pragma once

#include <windows.h>

#include "browser/BrowserMessages.h"
#include "browser/core/RecordingList.h"
#include "framework/HeaderCtrl.h"
#include "framework/ListView.h"

// The recording list's header: owner-drawn items, never shown (the list
// has LVS_NOCOLUMNHEADER), so it paints only a plain face if ever asked.
class CFileListHeaderCtrl : public fw::HeaderCtrl {
protected:
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnDrawItem(const fw::Message& m);
};

// The recording list of the file panel: an owner-drawn report
// list of the shown records, one row each, painted from the current index
// rather than the control's selection.
class CFileListCtrl : public fw::ListView, public RecordingList {
public:
    ~CFileListCtrl() override;

    // Creates the list (id 1001) with its two columns, owner-drawn header
    // items and white background.
    bool CreateList(HWND parent, const RECT& rect, HFONT font);

    // Appends one row: column 0 the name up to its first '.', column 1 the
    // kind label.
    void InsertRecordRow(const MovieFileRecord& record);
    void DrawItem(const DRAWITEMSTRUCT& item);

    // RecordingList
    void RebuildRows() override;
    void DeleteAllRows() override { DeleteAllItems(); }
    void SelectOnlyRow(int row) override;
    void EnsureRowVisible(int row) override { ListView_EnsureVisible(Handle(), row, TRUE); }

    CFileListHeaderCtrl& Header() { return header_; }

protected:
    void PreCreateWindow(CREATESTRUCTW& create) override;
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnDrawItem(const fw::Message& m);
    LRESULT OnNcCalcSize(const fw::Message& m);
    LRESULT OnLButtonDblClk(const fw::Message& m);
    LRESULT OnColumnClick(const fw::Message& m);

    CFileListHeaderCtrl header_;
    // SetColumnWidth and ShowScrollBar re-enter the control's layout.
    bool drawing_ = false;
    bool calculating_ = false;
};
