#pragma once

#include <array>
#include <cstdint>

#include "RecordingLayout.h"

// The bytes of a data-section body that come before its entries: "CSMDAT",
// the recorder record unchanged and the entry count. The entries follow,
// then kSectionEndMark.
constexpr size_t kDataSectionHeadSize =
    RecordingLayout::kMarkSize + RecordingLayout::kRecorderRecordSize + RecordingLayout::kEntryCountSize;

using DataSectionHead = std::array<uint8_t, kDataSectionHeadSize>;
using RecorderRecordBytes = std::array<uint8_t, RecordingLayout::kRecorderRecordSize>;

DataSectionHead MakeDataSectionHead(const RecorderRecordBytes& record, uint16_t entryCount);
