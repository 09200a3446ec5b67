#include "DataSectionWriter.h"

#include <cstring>

#include "ByteOrder.h"

namespace R = RecordingLayout;

DataSectionHead MakeDataSectionHead(const RecorderRecordBytes& record, uint16_t entryCount) {
    DataSectionHead head{};
    std::memcpy(head.data(), R::kSectionStartMark, R::kMarkSize);
    std::memcpy(head.data() + R::kMarkSize, record.data(), record.size());
    WriteU16BE(head.data() + R::kMarkSize + R::kRecorderRecordSize, entryCount);
    return head;
}
