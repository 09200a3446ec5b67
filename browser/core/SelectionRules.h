#pragma once

#include <cstdint>
#include <vector>

#include "browser/core/MovieFileRecord.h"

// The selection dialog's rules without the dialog: what is
// listed, how the ticked rows stay one run in join mode, the totals and the
// limits.

enum SelectionMode : int {
    kSelectDelete = 0,
    kSelectBackup = 1,
    kSelectJoin = 2,
};

// Each of the dialog's two record lists holds at most this many.
constexpr size_t kMaxSelectionRecords = 1500;
// Join limits: at most 1024 MB in all (after the shift to whole MB) and
// fewer than 100 files.
constexpr uint64_t kJoinSizeLimitMb = 1024;
constexpr size_t kJoinFileLimit = 100;
// Slots of the refusals and the truncation notice.
constexpr int kSlotSizeOver = 139;
constexpr int kSlotTooManyFiles = 142;
constexpr int kSlotOver1500 = 105;

// Join mode lists a record only when its full path's extension contains
// ".MOV" in any letter case.
bool JoinModeListsRecord(UiStringView fullPath);

// Column 1 of a row: "%llu MB" of the size in whole MiB, rounded down.
UiString RecordSizeText(uint64_t fileSize);

// The first ticked row, and after it the first unticked row (the row count
// when there is none); both -1 when no row is ticked.
struct CheckedRun {
    int start = -1;
    int end = -1;
    bool operator==(const CheckedRun& o) const { return start == o.start && end == o.end; }
};
CheckedRun FindCheckedRun(const std::vector<bool>& ticked);

// The rows [from, to) that take the changed row's new state, by where the
// row stands to the run as it was before the change. Empty while the run is
// not set up (-1), and for a change of the run's first row.
struct RowRange {
    int from = 0;
    int to = 0;
    bool Empty() const { return to <= from; }
};
RowRange ContiguityRange(const CheckedRun& runBefore, int changedRow);

// The whole join-mode rule on a vector of ticks: row's tick is already the
// new state; returns the run after the change.
CheckedRun KeepCheckedRunContiguous(std::vector<bool>& ticked, int changedRow, const CheckedRun& runBefore);

// The totals of the ticked rows.
struct SelectionTotals {
    uint64_t totalBytes = 0;
    size_t count = 0;
    bool sizeOver = false;   // join mode: more than 1024 MB
    bool countOver = false;  // join mode: 100 files or more
    UiString text;           // "%I64d MB"
};
SelectionTotals ComputeSelectionTotals(const MovieFileRecordList& rows, const std::vector<bool>& ticked, int mode);

// Whether OK is enabled after a change; backup mode keeps what it had.
bool SelectionOkEnabled(int mode, size_t tickedCount, bool enabledBefore);

// The refusal OK shows (slot 139 or 142), or 0 when the result may be taken.
int SelectionRefusalSlot(const SelectionTotals& totals);
