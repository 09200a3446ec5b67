#include "panels/core/FrameData.h"

#include "panels/core/FrameRecords.h"

namespace {

// Where each gauge word lies among the record's fifteen.
constexpr int kObdWordOf[kObdWordSlots] = {7, 2, 1, 0, 3};

}  // namespace

FrameData ReadFrameData(const ClipRecords* records, int64_t frame) {
    FrameData data;
    const GSensorRecord* record = FrameRecord(records, frame);
    if (record == nullptr) {
        return data;
    }
    data.hasRecord = true;
    data.gx = record->x;
    data.gy = record->y;
    data.gz = record->z;
    data.manualMark = record->manualMark;
    const GpsRecord* gps = LinkedGps(records, *record);
    if (gps == nullptr) {
        return data;
    }
    data.hasGps = true;
    data.gpsValid = gps->valid;
    data.latitude = gps->latitude;
    data.longitude = gps->longitude;
    data.speed = gps->valid != 0 ? gps->speed : kNoSpeed;
    if (const ObdRecord* obd = LinkedObd(records, *record)) {
        data.hasObd = true;
        for (int slot = 0; slot < kObdWordSlots; ++slot) {
            data.obdWords[slot] = obd->values[kObdWordOf[slot]];
        }
    }
    return data;
}
