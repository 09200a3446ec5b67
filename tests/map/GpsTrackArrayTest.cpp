#include "map/core/GpsTrackArray.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

GpsRecord Fix(double latitude, double longitude, int32_t time, uint32_t valid = 1) {
    GpsRecord r;
    r.latitude = latitude;
    r.longitude = longitude;
    r.time = time;
    r.valid = valid;
    return r;
}

void ExpectReal(const GpsTrackArray& track, size_t i, double value) {
    const GpsTrackElement e = track.Element(i);
    EXPECT_TRUE(e.isReal) << "element " << i;
    EXPECT_EQ(e.real, value) << "element " << i;
}

void ExpectInteger(const GpsTrackArray& track, size_t i, int32_t value) {
    const GpsTrackElement e = track.Element(i);
    EXPECT_FALSE(e.isReal) << "element " << i;
    EXPECT_EQ(e.integer, value) << "element " << i;
}

// The pages draw nothing from an array that holds only its count.
TEST(GpsTrackArray, WithoutAnyFixHoldsOnlyTheCountZero) {
    for (const std::vector<GpsRecord>& records :
         {std::vector<GpsRecord>{}, std::vector<GpsRecord>{Fix(35.0, 139.0, 0, 0), Fix(35.1, 139.1, 100, 0)}}) {
        const GpsTrackArray track = GpsTrackArray::FromRecords(records);
        ASSERT_EQ(track.ElementCount(), 1u);
        ExpectInteger(track, 0, 0);
    }
    ExpectInteger(GpsTrackArray(), 0, 0);
}

TEST(GpsTrackArray, TriplesOfTheFixesInRecordOrderThenTheirCount) {
    const GpsTrackArray track = GpsTrackArray::FromRecords({
        Fix(35.685387, 139.762982, 0),
        Fix(35.5, 139.5, 100, 0),  // no fix: left out
        Fix(-33.86882, -151.209296, 200, 2),  // any non-zero validity word is a fix
        Fix(0.0, 0.0, -1),  // times go over as the records hold them
    });
    ASSERT_EQ(track.ElementCount(), 10u);
    ExpectReal(track, 0, 35.685387);
    ExpectReal(track, 1, 139.762982);
    ExpectInteger(track, 2, 0);
    ExpectReal(track, 3, -33.86882);
    ExpectReal(track, 4, -151.209296);
    ExpectInteger(track, 5, 200);
    ExpectReal(track, 6, 0.0);
    ExpectReal(track, 7, 0.0);
    ExpectInteger(track, 8, -1);
    ExpectInteger(track, 9, 9);
}

}  // namespace
