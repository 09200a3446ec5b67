#include "panels/core/FrameRecords.h"

#include <functional>
#include <vector>

namespace {

template <class Record>
bool PointsInto(const std::vector<Record>& array, const Record* element) {
    if (element == nullptr || array.empty()) {
        return false;
    }
    // std::less orders any two pointers, also ones into another array.
    const std::less<const Record*> before;
    return !before(element, array.data()) && before(element, array.data() + array.size());
}

}  // namespace

bool IsShownRecord(const ClipRecords& records, const GSensorRecord* record) {
    return PointsInto(records.gsensor, record);
}

const GSensorRecord* FrameRecord(const ClipRecords* records, int64_t frame) {
    if (records == nullptr || frame < 0 || static_cast<uint64_t>(frame) >= records->frameIndex.size()) {
        return nullptr;
    }
    const GSensorRecord* record = records->frameIndex[static_cast<size_t>(frame)];
    return IsShownRecord(*records, record) ? record : nullptr;
}

const GpsRecord* LinkedGps(const ClipRecords* records, const GSensorRecord& record) {
    return records != nullptr && PointsInto<GpsRecord>(records->gps, record.gps) ? record.gps : nullptr;
}

const ObdRecord* LinkedObd(const ClipRecords* records, const GSensorRecord& record) {
    return records != nullptr && PointsInto<ObdRecord>(records->obd, record.obd) ? record.obd : nullptr;
}
