#pragma once

#include "browser/core/RecordLists.h"

// The recording list's records and rows as the panel's logic
// sees them. CFileListCtrl implements the rows on the list-view control;
// tests on a plain vector.
class RecordingList {
public:
    virtual ~RecordingList() = default;

    // All records of the opened folder, filled by the panel's walks.
    MovieFileRecordList allRecords;
    // What the kind filter lets through; rows and shown records share order
    // and index. The main window takes these as its clip list.
    MovieFileRecordList shownRecords;
    // The row painted as current; -1 until the panel selects one.
    int currentIndex = -1;
    // Filter order A, G, M, P, S; all off until the panel switches them on.
    KindShowFlags showFlags{};

    // Shown records := all records less the kinds switched off; rebuilds
    // every row. The current index and the selection are not touched.
    void ApplyKindFilter() {
        shownRecords = FilterRecordsByKind(allRecords, showFlags);
        RebuildRows();
    }

    // Deletes every row and inserts one per shown record, then repaints.
    virtual void RebuildRows() = 0;
    virtual void DeleteAllRows() = 0;
    // Clears the selected row's selection, then selects and focuses the row
    // and makes it the selection mark.
    virtual void SelectOnlyRow(int row) = 0;
    virtual void EnsureRowVisible(int row) = 0;
};
