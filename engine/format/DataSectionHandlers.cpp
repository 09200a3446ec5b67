#include "DataSectionHandlers.h"

#include <cstring>

#include "ByteOrder.h"
#include "RecordingLayout.h"
#include "TextField.h"
#include "UdatEntry.h"

namespace R = RecordingLayout;

namespace {

constexpr size_t kCsTypeLetter = 16;
constexpr size_t kCsNumberWidth = 4;
constexpr size_t kCsVersionBytes = 17;
constexpr float kCsNumberScale = 1000.0f;

// The entry count, when the area holds it and every entry it announces.
bool CountEntries(ByteView dataArea, uint16_t& count) {
    if (!dataArea.Contains(R::kEntryCountOffset, R::kEntryCountSize)) return false;
    count = ReadU16BE(dataArea.data() + R::kEntryCountOffset);
    return dataArea.Contains(R::kFirstEntryOffset, size_t{count} * R::kUdatEntrySize);
}

bool IsCsRunTag(const uint8_t* p) {
    return BytesEqual(p, R::kCsRunTag, R::kCsRunTagSize) && p[R::kCsRunTagSize] >= 'A' &&
           p[R::kCsRunTagSize] <= 'Z';
}

// Overwrites the record from one 26-byte recorder record; false when its type
// letter marks it invalid, which ends a run.
bool ReadOneCsRecord(const uint8_t* p, CsRecord& record) {
    record.typeLetter = p[kCsTypeLetter];
    if (record.typeLetter != 'M' && record.typeLetter != 'D') {
        for (float& number : record.numbers) number = kCsInvalidNumber;
        return false;
    }
    for (int i = 0; i < kCsNumberCount; ++i) {
        const double text = TextToDouble(p + i * kCsNumberWidth, kCsNumberWidth);
        record.numbers[i] = static_cast<float>(text) / kCsNumberScale;
    }
    std::memcpy(record.versionBytes, p + kCsVersionBytes, sizeof record.versionBytes);
    return true;
}

}  // namespace

int32_t UdatRecordsHandler(ByteView dataArea, ClipRecords& records, const LocalTimeZone& zone) {
    uint16_t count = 0;
    if (!CountEntries(dataArea, count)) return kHandlerFailed;
    records.gps.reserve(records.gps.size() + count);
    records.gsensor.reserve(records.gsensor.size() + count);
    records.obd.reserve(records.obd.size() + count);
    for (int32_t i = 0; i < count; ++i) {
        const UdatEntry entry = *UdatEntry::At(dataArea, static_cast<size_t>(i));
        records.gps.push_back(ParseGpsRecord(entry, i, zone));
        records.gsensor.push_back(ParseGSensorRecord(entry, i));
        records.obd.push_back(ParseObdRecord(entry, i));
    }
    records.entryCount = static_cast<int32_t>(records.gsensor.size());
    return kHandlerDone;
}

int32_t UdatGpsOnlyHandler(ByteView dataArea, std::vector<GpsRecord>& track, const LocalTimeZone& zone) {
    uint16_t count = 0;
    if (!CountEntries(dataArea, count)) return kHandlerFailed;
    track.reserve(track.size() + count);
    for (int32_t i = 0; i < count; ++i) {
        track.push_back(ParseGpsRecord(*UdatEntry::At(dataArea, static_cast<size_t>(i)), i, zone));
    }
    return kHandlerDone;
}

int32_t UdatCountHandler(ByteView dataArea, uint16_t& count) {
    if (!dataArea.Contains(R::kEntryCountOffset, R::kEntryCountSize)) return kHandlerFailed;
    count = ReadU16BE(dataArea.data() + R::kEntryCountOffset);
    return kHandlerDone;
}

int32_t CsRecordHandler(ByteView dataArea, CsRecord& record) {
    if (!dataArea.Contains(0, R::kRecorderRecordSize)) return kHandlerFailed;
    record = CsRecord{};
    size_t at = 0;
    while (ReadOneCsRecord(dataArea.data() + at, record)) {
        const size_t tag = at + R::kCsContinuationOffset;
        const size_t next = at + R::kCsRecordStride;
        if (!dataArea.Contains(tag, R::kCsRunTagSize + 1)) break;
        if (!IsCsRunTag(dataArea.data() + tag)) break;
        if (!dataArea.Contains(next, R::kRecorderRecordSize)) break;
        at = next;
    }
    return kHandlerDone;
}
