#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>

#include "ByteView.h"
#include "DataRecords.h"
#include "RecordingLayout.h"

class LocalTimeZone;

// Where each field of a 124-byte entry lies. Text fields are ASCII without
// terminators; the parser and the recording builder both use these offsets.
namespace UdatEntryLayout {

struct Field {
    size_t offset;
    size_t size;
};

constexpr size_t kGpsStatus = 5;  // 'A' = valid fix
constexpr Field kLatitude{6, 9};  // ddmm.mmmm
constexpr size_t kLatitudeSign = 15;   // non-zero positive, zero byte negative
constexpr Field kLongitude{16, 10};    // dddmm.mmmm
constexpr size_t kLongitudeSign = 26;
constexpr Field kSpeed{27, 4};         // km/h
constexpr Field kFixTime{31, 12};      // YYMMDDhhmmss
constexpr Field kCorrection{44, 3};    // signed seconds, '*' first = none
constexpr char kNoCorrection = '*';
constexpr Field kGx{57, 5};  // thousandths of g
constexpr Field kGy{62, 5};
constexpr Field kGz{67, 5};
constexpr size_t kTriggerFlag72 = 72;
constexpr size_t kAxis = 73;
constexpr size_t kEventLetter = 74;
constexpr size_t kTriggerFlag75 = 75;
constexpr size_t kTriggerFlag76 = 76;
constexpr size_t kDetectionFlag = 77;
constexpr char kFlagSet = 'D';
constexpr Field kObdFlags{78, 4};
constexpr Field kObdValues{82, 30};  // fifteen 16-bit words
constexpr size_t kManualMark = 122;  // 'M'

}  // namespace UdatEntryLayout

// One entry of a data section, seen in place. It can only be made from a
// data area that holds all of its 124 bytes.
class UdatEntry {
public:
    static constexpr size_t kSize = RecordingLayout::kUdatEntrySize;

    // Entry i of a data area, or nothing when the area does not hold it whole.
    static std::optional<UdatEntry> At(ByteView dataArea, size_t index);

    const uint8_t* bytes() const { return bytes_; }
    uint8_t Byte(size_t offset) const { return bytes_[offset]; }

private:
    explicit UdatEntry(const uint8_t* bytes) : bytes_(bytes) {}
    const uint8_t* bytes_;
};

GpsRecord ParseGpsRecord(const UdatEntry& entry, int32_t index, const LocalTimeZone& zone);
GSensorRecord ParseGSensorRecord(const UdatEntry& entry, int32_t index);
ObdRecord ParseObdRecord(const UdatEntry& entry, int32_t index);

// The entry's fix time plus its correction, in UTC; 1970-01-01 00:00:00 when
// the fields cannot be read as a local time.
SystemTime ParseGpsFixTime(const UdatEntry& entry, const LocalTimeZone& zone);

// The same instant in local time; false (out untouched) when the UTC time
// cannot be represented or converted.
bool UtcToLocalSystemTime(const SystemTime& utc, const LocalTimeZone& zone, SystemTime& local);
