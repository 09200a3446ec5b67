#include "browser/core/SelectionRules.h"

#include <cstdio>

namespace {

UiChar Upper(UiChar c) {
    return (c >= UI_TEXT('a') && c <= UI_TEXT('z')) ? static_cast<UiChar>(c - UI_TEXT('a') + UI_TEXT('A')) : c;
}

UiString Widen(const char* text) {
    return UiString(text, text + std::char_traits<char>::length(text));
}

UiString MegabyteText(const char* format, uint64_t bytes) {
    char text[40];
    std::snprintf(text, sizeof text, format, static_cast<unsigned long long>(bytes >> 20));
    return Widen(text);
}

}  // namespace

bool JoinModeListsRecord(UiStringView fullPath) {
    const UiStringView name = LastPathComponent(fullPath);
    const size_t dot = name.find_last_of(UI_TEXT('.'));
    if (dot == UiStringView::npos) {
        return false;
    }
    const UiStringView extension = name.substr(dot);
    constexpr UiStringView kMov = UI_TEXT(".MOV");
    for (size_t at = 0; at + kMov.size() <= extension.size(); ++at) {
        bool match = true;
        for (size_t i = 0; i < kMov.size() && match; ++i) {
            match = Upper(extension[at + i]) == kMov[i];
        }
        if (match) {
            return true;
        }
    }
    return false;
}

UiString RecordSizeText(uint64_t fileSize) {
    return MegabyteText("%llu MB", fileSize);
}

CheckedRun FindCheckedRun(const std::vector<bool>& ticked) {
    CheckedRun run;
    const int rows = static_cast<int>(ticked.size());
    for (int row = 0; row < rows; ++row) {
        if (run.start < 0) {
            if (ticked[static_cast<size_t>(row)]) {
                run.start = row;
            }
        } else if (!ticked[static_cast<size_t>(row)]) {
            run.end = row;
            return run;
        }
    }
    if (run.start >= 0) {
        run.end = rows;
    }
    return run;
}

RowRange ContiguityRange(const CheckedRun& runBefore, int changedRow) {
    if (runBefore.start < 0 || runBefore.end < 0) {
        return {};
    }
    if (changedRow >= runBefore.start && changedRow < runBefore.end) {
        // Inside the run: everything after the row follows it; the run's
        // first row changes nothing else.
        return changedRow == runBefore.start ? RowRange{} : RowRange{changedRow, runBefore.end};
    }
    if (changedRow >= runBefore.end) {
        return {runBefore.end, changedRow};
    }
    return {changedRow, runBefore.start};
}

CheckedRun KeepCheckedRunContiguous(std::vector<bool>& ticked, int changedRow, const CheckedRun& runBefore) {
    const RowRange range = ContiguityRange(runBefore, changedRow);
    const bool state = ticked[static_cast<size_t>(changedRow)];
    for (int row = range.from; row < range.to; ++row) {
        ticked[static_cast<size_t>(row)] = state;
    }
    return FindCheckedRun(ticked);
}

SelectionTotals ComputeSelectionTotals(const MovieFileRecordList& rows, const std::vector<bool>& ticked, int mode) {
    SelectionTotals totals;
    for (size_t row = 0; row < rows.size() && row < ticked.size(); ++row) {
        if (ticked[row]) {
            totals.totalBytes += rows[row].fileSize;
            ++totals.count;
        }
    }
    totals.text = MegabyteText("%lld MB", totals.totalBytes);
    if (mode == kSelectJoin) {
        totals.sizeOver = (totals.totalBytes >> 20) > kJoinSizeLimitMb;
        totals.countOver = totals.count >= kJoinFileLimit;
    }
    return totals;
}

bool SelectionOkEnabled(int mode, size_t tickedCount, bool enabledBefore) {
    switch (mode) {
    case kSelectJoin: return tickedCount >= 2;
    case kSelectDelete: return tickedCount >= 1;
    default: return enabledBefore;
    }
}

int SelectionRefusalSlot(const SelectionTotals& totals) {
    if (totals.sizeOver) {
        return kSlotSizeOver;
    }
    if (totals.countOver) {
        return kSlotTooManyFiles;
    }
    return 0;
}
