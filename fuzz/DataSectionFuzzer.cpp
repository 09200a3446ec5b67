// Feeds arbitrary data areas to the data-section handlers and builds a frame
// index over whatever they parsed, checking that every frame points at a
// parsed record and every link stays inside its vector.

#include "FixedOffsetTimeZone.h"
#include "FuzzFiles.h"
#include "FuzzInputLayout.h"
#include "format/ByteOrder.h"
#include "format/DataSectionHandlers.h"
#include "format/FrameRecordIndex.h"

namespace {

template <typename T>
bool Inside(const T* p, const std::vector<T>& v) {
    return p >= v.data() && p < v.data() + v.size();
}

using fuzz::Check;

void CheckIndex(const ClipRecords& r) {
    for (const GSensorRecord* g : r.frameIndex) Check(Inside(g, r.gsensor));
    for (const GSensorRecord& g : r.gsensor) Check(Inside(g.gps, r.gps) && Inside(g.obd, r.obd));
    for (const GpsRecord& gps : r.gps) {
        Check(gps.gsensor == nullptr || Inside(gps.gsensor, r.gsensor));
        Check(gps.obd == nullptr || Inside(gps.obd, r.obd));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < kFuzzDataAreaOffset) return 0;
    const uint16_t frames = ReadU16BE(data + kFuzzFrameCountOffset);
    const uint16_t delta = ReadU16BE(data + kFuzzFrameDeltaOffset);
    const ByteView area(data + kFuzzDataAreaOffset, size - kFuzzDataAreaOffset);
    static const FixedOffsetTimeZone zone(9 * 60);

    ClipRecords records;
    const bool parsed = UdatRecordsHandler(area, records, zone) == kHandlerDone;
    CsRecordHandler(area, records.cs);
    uint16_t count = 0;
    UdatCountHandler(area, count);
    std::vector<GpsRecord> track;
    UdatGpsOnlyHandler(area, track, zone);
    Check(track.size() == records.gps.size());
    if (!parsed) Check(records.gps.empty() && records.gsensor.empty() && records.obd.empty());
    if (parsed) Check(records.entryCount == count);

    // The engine's frame duration: 1000 / (90000 / delta), the quotient whole.
    const uint32_t rate = delta == 0 ? 0 : 90000u / delta;
    const float duration = rate == 0 ? 0.0f : 1000.0f / static_cast<float>(rate);
    const bool built = BuildFrameRecordIndex(records, frames, duration);
    Check(built == (frames > 0 && !records.gsensor.empty() && duration != 0.0f));
    if (built) {
        Check(records.frameIndex.size() == frames);
        CheckIndex(records);
    }
    return 0;
}
