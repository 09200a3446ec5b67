#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "format/DataRecords.h"

// One element of a track as the map pages read it: a coordinate (a real
// number) or a whole number (a point's time, or the closing count).
struct GpsTrackElement {
    bool isReal = false;
    double real = 0.0;
    int32_t integer = 0;
};

// The track the map pages draw: for each GPS record with a fix, in record
// order, its latitude, longitude and time field; then one whole number, the
// count of elements before it (3 x the fixes). Records without a fix are
// left out, so a clip without any fix is the single element 0.
//
// The time field is what the records hold: frame numbers for the shown
// clip, milliseconds from each recording's start for a group track.
class GpsTrackArray {
public:
    GpsTrackArray() = default;
    // Counts the fixes first, so a long group track is stored in one go.
    static GpsTrackArray FromRecords(const std::vector<GpsRecord>& records);

    size_t PointCount() const { return points_.size(); }
    size_t ElementCount() const { return points_.size() * kElementsPerPoint + 1; }
    // Element i, 0 <= i < ElementCount().
    GpsTrackElement Element(size_t index) const;

private:
    static constexpr size_t kElementsPerPoint = 3;
    struct Point {
        double latitude;
        double longitude;
        int32_t time;
    };
    std::vector<Point> points_;
};
