#include "map/core/GpsTrackArray.h"

#include <algorithm>

GpsTrackArray GpsTrackArray::FromRecords(const std::vector<GpsRecord>& records) {
    const auto hasFix = [](const GpsRecord& r) { return r.valid != 0; };
    GpsTrackArray track;
    track.points_.reserve(static_cast<size_t>(std::count_if(records.begin(), records.end(), hasFix)));
    for (const GpsRecord& record : records) {
        if (hasFix(record)) {
            track.points_.push_back({record.latitude, record.longitude, record.time});
        }
    }
    return track;
}

GpsTrackElement GpsTrackArray::Element(size_t index) const {
    GpsTrackElement element;
    if (index >= points_.size() * kElementsPerPoint) {
        element.integer = static_cast<int32_t>(points_.size() * kElementsPerPoint);
        return element;
    }
    const Point& point = points_[index / kElementsPerPoint];
    switch (index % kElementsPerPoint) {
    case 0:
        element.isReal = true;
        element.real = point.latitude;
        break;
    case 1:
        element.isReal = true;
        element.real = point.longitude;
        break;
    default:
        element.integer = point.time;
        break;
    }
    return element;
}
