#include "UdatEntry.h"

#include <cmath>
#include <cstring>

#include "TextField.h"
#include "platform/LocalTimeZone.h"

namespace L = UdatEntryLayout;

namespace {

constexpr int kCenturyOfYears = 2000;
constexpr float kThousandths = 1000.0f;

double ReadNumber(const UdatEntry& entry, L::Field field) {
    return TextToDouble(entry.bytes() + field.offset, field.size);
}

int ReadTwoDigits(const UdatEntry& entry, size_t offset) {
    return static_cast<int>(TextToLong(entry.bytes() + offset, 2));
}

// ddmm.mmmm (or dddmm.mmmm) as signed decimal degrees: the whole hundreds are
// degrees, the rest minutes.
double CoordinateFromText(double text, bool positive) {
    const double degrees = std::trunc(std::trunc(text) / 100.0);
    const double minutes = std::fmod(text, 100.0);
    const double value = degrees + minutes / 60.0;
    return positive ? value : -value;
}

double GValue(const UdatEntry& entry, L::Field field) {
    return static_cast<double>(static_cast<float>(ReadNumber(entry, field)) / kThousandths);
}

int32_t TriggerKindOf(const UdatEntry& entry) {
    if (entry.Byte(L::kTriggerFlag75) == L::kFlagSet) return TriggerKind::kFlagAt75;
    if (entry.Byte(L::kTriggerFlag72) == L::kFlagSet) return TriggerKind::kFlagAt72;
    if (entry.Byte(L::kTriggerFlag76) == L::kFlagSet) return TriggerKind::kFlagAt76;
    switch (entry.Byte(L::kEventLetter)) {
        case 'A': return TriggerKind::kEventA;
        case 'B': return TriggerKind::kEventB;
        case 'H': return TriggerKind::kEventH;
        default: return TriggerKind::kNone;
    }
}

int32_t AxisOf(const UdatEntry& entry) {
    switch (entry.Byte(L::kAxis)) {
        case 'X': return 1;
        case 'Y': return 2;
        case 'Z': return 3;
        default: return 0;
    }
}

// Seconds since 1970 as a UTC SYSTEMTIME; all zero when out of range.
SystemTime SecondsToUtcSystemTime(int64_t seconds) {
    SystemTime out;
    const int64_t since1601 = seconds + kSecondsFrom1601To1970;
    if (since1601 < 0 || since1601 > INT64_MAX / kTicksPerSecond) return out;
    TicksToSystemTime(static_cast<FileTimeTicks>(since1601 * kTicksPerSecond), out);
    return out;
}

}  // namespace

std::optional<UdatEntry> UdatEntry::At(ByteView dataArea, size_t index) {
    if (index > (SIZE_MAX - RecordingLayout::kFirstEntryOffset) / kSize) return std::nullopt;
    const size_t offset = RecordingLayout::EntryOffset(index);
    if (!dataArea.Contains(offset, kSize)) return std::nullopt;
    return UdatEntry(dataArea.data() + offset);
}

SystemTime ParseGpsFixTime(const UdatEntry& entry, const LocalTimeZone& zone) {
    const size_t at = L::kFixTime.offset;
    CalendarFields fields;
    fields.year = kCenturyOfYears + ReadTwoDigits(entry, at);
    fields.month = ReadTwoDigits(entry, at + 2);
    fields.day = ReadTwoDigits(entry, at + 4);
    fields.hour = ReadTwoDigits(entry, at + 6);
    fields.minute = ReadTwoDigits(entry, at + 8);
    fields.second = ReadTwoDigits(entry, at + 10);

    int64_t seconds = 0;
    if (!zone.LocalFieldsToSeconds(fields, seconds)) return SecondsToUtcSystemTime(0);
    if (entry.Byte(L::kCorrection.offset) != L::kNoCorrection) {
        seconds += TextToLong(entry.bytes() + L::kCorrection.offset, L::kCorrection.size);
    }
    return SecondsToUtcSystemTime(seconds);
}

bool UtcToLocalSystemTime(const SystemTime& utc, const LocalTimeZone& zone, SystemTime& local) {
    FileTimeTicks utcTicks = 0;
    if (!SystemTimeToTicks(utc, utcTicks) || utcTicks == 0) return false;
    FileTimeTicks localTicks = 0;
    if (!zone.UtcToLocalTicks(utcTicks, localTicks)) return false;
    return TicksToSystemTime(localTicks, local);
}

GpsRecord ParseGpsRecord(const UdatEntry& entry, int32_t index, const LocalTimeZone& zone) {
    GpsRecord record;
    record.entryIndex = index;
    record.time = index * 100;
    record.valid = entry.Byte(L::kGpsStatus) == 'A' ? 1 : 0;
    record.latitude = CoordinateFromText(ReadNumber(entry, L::kLatitude), entry.Byte(L::kLatitudeSign) != 0);
    record.longitude = CoordinateFromText(ReadNumber(entry, L::kLongitude), entry.Byte(L::kLongitudeSign) != 0);
    record.speed = ReadNumber(entry, L::kSpeed);
    UtcToLocalSystemTime(ParseGpsFixTime(entry, zone), zone, record.fixTime);
    return record;
}

GSensorRecord ParseGSensorRecord(const UdatEntry& entry, int32_t index) {
    GSensorRecord record;
    record.entryIndex = index;
    record.time = index * 100;
    record.x = GValue(entry, L::kGx);
    record.y = GValue(entry, L::kGy);
    record.z = GValue(entry, L::kGz);
    record.triggerKind = TriggerKindOf(entry);
    record.detection = entry.Byte(L::kDetectionFlag) == L::kFlagSet ? kDetectionFlagSet : 0;
    record.axis = AxisOf(entry);
    record.manualMark = entry.Byte(L::kManualMark) == 'M' ? 1 : 0;
    return record;
}

ObdRecord ParseObdRecord(const UdatEntry& entry, int32_t index) {
    static_assert(sizeof(ObdRecord::values) == L::kObdValues.size, "one word per OBD value");
    static_assert(sizeof(ObdRecord::flags) == L::kObdFlags.size, "one byte per OBD flag");
    ObdRecord record;
    record.entryIndex = index;
    std::memcpy(record.flags, entry.bytes() + L::kObdFlags.offset, L::kObdFlags.size);
    std::memcpy(record.values, entry.bytes() + L::kObdValues.offset, L::kObdValues.size);
    return record;
}
