#include <gtest/gtest.h>

#include "EntryBytesBuilder.h"
#include "FixedOffsetTimeZone.h"
#include "SystemTimes.h"
#include "format/UdatEntry.h"

namespace {

// The time the system would give back, day of the week included.
SystemTime At(int y, int mo, int d, int h, int mi, int s) {
    SystemTime t = CalendarDate(y, mo, d, h, mi, s);
    FileTimeTicks ticks = 0;
    SystemTimeToTicks(t, ticks);
    TicksToSystemTime(ticks, t);
    return t;
}

class GpsFixTime : public ::testing::Test {
protected:
    SystemTime FixTime(const EntryBytesBuilder& entry, const LocalTimeZone& zone) {
        area_ = MakeDataArea(kPlainRecorderRecord, 1, {entry});
        return ParseGpsFixTime(*UdatEntry::At(ViewOf(area_), 0), zone);
    }
    SystemTime RecordTime(const EntryBytesBuilder& entry, const LocalTimeZone& zone) {
        area_ = MakeDataArea(kPlainRecorderRecord, 1, {entry});
        return ParseGpsRecord(*UdatEntry::At(ViewOf(area_), 0), 0, zone).fixTime;
    }

    std::vector<uint8_t> area_;
};

TEST_F(GpsFixTime, DigitsAreLocalTimeAndComeBackAsWritten) {
    const FixedOffsetTimeZone utc(0);
    const FixedOffsetTimeZone japan(9 * 60);
    const FixedOffsetTimeZone brazil(-3 * 60);
    const EntryBytesBuilder entry;  // 240102030405

    EXPECT_EQ(FixTime(entry, utc), At(2024, 1, 2, 3, 4, 5));
    EXPECT_EQ(FixTime(entry, japan), At(2024, 1, 1, 18, 4, 5));
    EXPECT_EQ(FixTime(entry, brazil), At(2024, 1, 2, 6, 4, 5));
    // The record's time is back in local time: the digits as written.
    for (const FixedOffsetTimeZone* zone : {&utc, &japan, &brazil}) {
        EXPECT_EQ(RecordTime(entry, *zone), At(2024, 1, 2, 3, 4, 5));
    }
}

TEST_F(GpsFixTime, CorrectionSecondsAreAdded) {
    const FixedOffsetTimeZone utc(0);
    EXPECT_EQ(FixTime(EntryBytesBuilder().Text(44, "+05"), utc), At(2024, 1, 2, 3, 4, 10));
    EXPECT_EQ(FixTime(EntryBytesBuilder().Text(44, "-10"), utc), At(2024, 1, 2, 3, 3, 55));
    EXPECT_EQ(FixTime(EntryBytesBuilder().Text(44, "*05"), utc), At(2024, 1, 2, 3, 4, 5));
    // Carried across midnight and the year.
    EXPECT_EQ(FixTime(EntryBytesBuilder().Text(31, "231231235958").Text(44, "+05"), utc), At(2024, 1, 1, 0, 0, 3));
}

TEST_F(GpsFixTime, FieldsOutOfRangeCarryOverAsInMktime) {
    const FixedOffsetTimeZone utc(0);
    EXPECT_EQ(FixTime(EntryBytesBuilder().Text(31, "241300000000"), utc), At(2024, 12, 31, 0, 0, 0));
    EXPECT_EQ(FixTime(EntryBytesBuilder().Text(31, "241301000000"), utc), At(2025, 1, 1, 0, 0, 0));
    EXPECT_EQ(FixTime(EntryBytesBuilder().Text(31, "240230250000"), utc), At(2024, 3, 2, 1, 0, 0));
}

TEST_F(GpsFixTime, UnreadableLocalTimeGivesTheEpochWithoutCorrection) {
    const FixedOffsetTimeZone refusing(0, /*refuseLocalFields=*/true);
    EXPECT_EQ(FixTime(EntryBytesBuilder().Text(44, "+05"), refusing), At(1970, 1, 1, 0, 0, 0));
    EXPECT_EQ(RecordTime(EntryBytesBuilder().Text(44, "+05"), refusing), At(1970, 1, 1, 0, 0, 0));
}

class NoLocalTime final : public LocalTimeZone {
public:
    bool LocalFieldsToSeconds(const CalendarFields& fields, int64_t& seconds) const override {
        return FixedOffsetTimeZone().LocalFieldsToSeconds(fields, seconds);
    }
    bool UtcToLocalTicks(FileTimeTicks, FileTimeTicks&) const override { return false; }
};

TEST_F(GpsFixTime, RecordTimeStaysZeroWhenItCannotBeConverted) {
    EXPECT_TRUE(RecordTime(EntryBytesBuilder(), NoLocalTime()).IsZero());
}

}  // namespace
