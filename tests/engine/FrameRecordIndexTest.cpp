#include "format/FrameRecordIndex.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

// Records for entries at the given times (ms), as a parse leaves them.
ClipRecords RecordsAt(const std::vector<int32_t>& timesMs) {
    ClipRecords records;
    for (size_t i = 0; i < timesMs.size(); ++i) {
        GpsRecord gps;
        gps.entryIndex = static_cast<int32_t>(i);
        gps.time = timesMs[i];
        GSensorRecord g;
        g.entryIndex = static_cast<int32_t>(i);
        g.time = timesMs[i];
        ObdRecord obd;
        obd.entryIndex = static_cast<int32_t>(i);
        records.gps.push_back(gps);
        records.gsensor.push_back(g);
        records.obd.push_back(obd);
    }
    records.entryCount = static_cast<int32_t>(timesMs.size());
    return records;
}

ClipRecords EveryHundredMs(int n) {
    std::vector<int32_t> times;
    for (int i = 0; i < n; ++i) times.push_back(i * 100);
    return RecordsAt(times);
}

// The entry index shown on each frame.
std::vector<int32_t> ShownEntries(const ClipRecords& records) {
    std::vector<int32_t> shown;
    for (const GSensorRecord* g : records.frameIndex) shown.push_back(g ? g->entryIndex : -1);
    return shown;
}

TEST(FrameRecordIndex, FramesShowTheRecordLastReached) {
    ClipRecords records = RecordsAt({0, 300, 600});
    ASSERT_TRUE(BuildFrameRecordIndex(records, 8, 100.0f));
    // Frames 0-2 show record 0, frames 3-7 record 1; record 2 is never shown.
    EXPECT_EQ(ShownEntries(records), (std::vector<int32_t>{0, 0, 0, 1, 1, 1, 1, 1}));
    EXPECT_EQ(records.gsensor[1].time, 3);
    EXPECT_EQ(records.gps[2].time, 6);
}

TEST(FrameRecordIndex, IndexAdvancesAtMostOneRecordPerFrame) {
    // Ten entries per second against five frames per second: the index falls
    // behind (frame 5 shows entry 5, not entry 10) rather than skip records.
    ClipRecords records = EveryHundredMs(10);
    ASSERT_TRUE(BuildFrameRecordIndex(records, 6, 200.0f));
    EXPECT_EQ(ShownEntries(records), (std::vector<int32_t>{0, 1, 2, 3, 4, 5}));
}

TEST(FrameRecordIndex, TimesBecomeTruncatedSinglePrecisionFrames) {
    ClipRecords ntsc = EveryHundredMs(11);
    ASSERT_TRUE(BuildFrameRecordIndex(ntsc, 400, 33.333f));
    EXPECT_EQ(ntsc.gsensor[3].time, 9);  // 300 / 33.333 = 9.00009

    // Delta 3003: the engine's frame duration is 1000 / 29 ms.
    ClipRecords rate29 = EveryHundredMs(11);
    ASSERT_TRUE(BuildFrameRecordIndex(rate29, 400, 1000.0f / 29.0f));
    EXPECT_EQ(rate29.gsensor[1].time, 2);  // 2.9 truncated, not rounded
    EXPECT_EQ(rate29.gsensor[10].time, 29);
    EXPECT_EQ(rate29.gps[10].time, 29);
}

TEST(FrameRecordIndex, SingleRecordShowsOnEveryFrame) {
    ClipRecords records = EveryHundredMs(1);
    ASSERT_TRUE(BuildFrameRecordIndex(records, 5, 33.3f));
    EXPECT_EQ(ShownEntries(records), (std::vector<int32_t>{0, 0, 0, 0, 0}));
}

TEST(FrameRecordIndex, NoRecordsGiveNoIndex) {
    ClipRecords records;
    records.frameIndex.assign(4, nullptr);
    EXPECT_FALSE(BuildFrameRecordIndex(records, 240, 33.3f));
    EXPECT_TRUE(records.frameIndex.empty());
}

TEST(FrameRecordIndex, NoFramesLeaveTheIndexAsItWas) {
    ClipRecords records = EveryHundredMs(3);
    GSensorRecord marker;
    records.frameIndex = {&marker};
    EXPECT_FALSE(BuildFrameRecordIndex(records, 0, 33.3f));
    EXPECT_FALSE(BuildFrameRecordIndex(records, -1, 33.3f));
    ASSERT_EQ(records.frameIndex.size(), 1u);
    EXPECT_EQ(records.frameIndex[0], &marker);
    EXPECT_EQ(records.gsensor[2].time, 200);  // times untouched too
}

TEST(FrameRecordIndex, UnusableDurationOrRecordSetGivesNoIndex) {
    ClipRecords zero = EveryHundredMs(3);
    EXPECT_FALSE(BuildFrameRecordIndex(zero, 10, 0.0f));
    EXPECT_TRUE(zero.frameIndex.empty());

    ClipRecords notANumber = EveryHundredMs(3);
    EXPECT_FALSE(BuildFrameRecordIndex(notANumber, 10, std::nanf("")));
    EXPECT_TRUE(notANumber.frameIndex.empty());

    ClipRecords uneven = EveryHundredMs(3);
    uneven.obd.pop_back();
    EXPECT_FALSE(BuildFrameRecordIndex(uneven, 10, 33.3f));
    EXPECT_TRUE(uneven.frameIndex.empty());
}

TEST(FrameRecordIndex, ExtremeDurationsSaturateInsteadOfOverflowing) {
    ClipRecords tiny = EveryHundredMs(4);
    ASSERT_TRUE(BuildFrameRecordIndex(tiny, 3, 1e-30f));
    EXPECT_EQ(tiny.gsensor[0].time, 0);
    EXPECT_EQ(tiny.gsensor[3].time, INT32_MAX);
    EXPECT_EQ(ShownEntries(tiny), (std::vector<int32_t>{0, 0, 0}));

    ClipRecords negative = EveryHundredMs(4);
    ASSERT_TRUE(BuildFrameRecordIndex(negative, 3, -1e-30f));
    EXPECT_EQ(negative.gsensor[3].time, INT32_MIN);
}

TEST(FrameRecordIndex, GValuesLinkTheGpsAndObdOfFourEntriesBefore) {
    ClipRecords records = EveryHundredMs(10);
    ASSERT_TRUE(BuildFrameRecordIndex(records, 30, 1000.0f / 30.0f));
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(records.gsensor[i].gps, &records.gps[0]) << i;
        EXPECT_EQ(records.gsensor[i].obd, &records.obd[0]) << i;
    }
    EXPECT_EQ(records.gsensor[7].gps, &records.gps[3]);
    EXPECT_EQ(records.gsensor[7].obd, &records.obd[3]);
    // Each GPS record points back at the G and OBD records of its own entry.
    for (int i = 0; i < 10; ++i) {
        EXPECT_EQ(records.gps[i].gsensor, &records.gsensor[i]) << i;
        EXPECT_EQ(records.gps[i].obd, &records.obd[i]) << i;
    }
}

TEST(FrameRecordIndex, LinksSurviveMovingTheRecords) {
    ClipRecords records = EveryHundredMs(10);
    ASSERT_TRUE(BuildFrameRecordIndex(records, 30, 100.0f));
    const ClipRecords moved = std::move(records);
    EXPECT_EQ(moved.gsensor[7].gps, &moved.gps[3]);
    EXPECT_EQ(moved.frameIndex[29], &moved.gsensor[8]);
}

TEST(FrameRecordIndex, LargestAbsoluteGOverAllAxes) {
    ClipRecords records = EveryHundredMs(3);
    records.gsensor[0].x = 0.5;
    records.gsensor[1].y = -2.25;
    records.gsensor[2].z = 1.75;
    records.gsensor[2].x = std::nan("");
    records.gsensor[0].z = -HUGE_VAL;  // a number text can read as infinity: out of range
    ASSERT_TRUE(BuildFrameRecordIndex(records, 3, 100.0f));
    EXPECT_EQ(records.largestAbsG, 2.25);
}

}  // namespace
