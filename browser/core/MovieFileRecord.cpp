#include "browser/core/MovieFileRecord.h"

#include <atomic>

#include "browser/core/RecordNames.h"
#include "ui/core/MovFileName.h"

namespace {

std::atomic<uint32_t> g_sequenceCounter{0};

}  // namespace

bool CopyIntoRecordField(UiChar (&field)[kRecordPathUnits], UiStringView text) {
    if (text.size() > kRecordPathChars) {
        field[0] = 0;
        return false;
    }
    text.copy(field, text.size());
    field[text.size()] = 0;
    return true;
}

UiStringView LastPathComponent(UiStringView path) {
    const size_t slash = path.find_last_of(UI_TEXT('\\'));
    return slash == UiStringView::npos ? path : path.substr(slash + 1);
}

uint32_t NextSequenceNumber() {
    return g_sequenceCounter.fetch_add(1);
}

bool AppendBuiltRecord(UiStringView fullPath, uint64_t fileSize, uint32_t group, RecordCounters& counters,
                       MovieFileRecordList& records) {
    const UiStringView name = LastPathComponent(fullPath);
    if (!IsMovFile(name) || fullPath.size() > kRecordPathChars) {
        return false;
    }
    MovieFileRecord& record = records.emplace_back();
    CopyIntoRecordField(record.fullPath, fullPath);
    CopyIntoRecordField(record.fileName, name);
    record.runningNumber = counters.running++;
    record.sequenceNumber = NextSequenceNumber();
    record.groupNumber = group;
    record.fileSize = fileSize;
    record.joinedFlag = 0;
    record.kindMark = RecordKindMark(name);
    return true;
}

int AddPlaceholderRecord(UiStringView fullPath, MovieFileRecordList& records) {
    MovieFileRecord& record = records.emplace_back();
    CopyIntoRecordField(record.fullPath, fullPath);
    CopyIntoRecordField(record.fileName, LastPathComponent(fullPath));
    record.runningNumber = 0xFFFFFFFFu;
    record.sequenceNumber = 0xFFFFFFFFu;
    record.groupNumber = 0xFFFFFFFFu;
    record.fileSize = 0xFFFFFFFFFFFFFFFFull;
    return 1;
}
