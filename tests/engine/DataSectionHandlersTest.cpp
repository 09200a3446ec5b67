#include "format/DataSectionHandlers.h"

#include <gtest/gtest.h>

#include <memory>

#include "EntryBytesBuilder.h"
#include "FixedOffsetTimeZone.h"
#include "RecordingRecipe.h"
#include "format/DataSectionWriter.h"

namespace {

const FixedOffsetTimeZone kUtc;

// The data area of a whole "udat" box as the recording builder writes it.
std::vector<uint8_t> DataAreaOf(const std::vector<uint8_t>& box) { return {box.begin() + 14, box.end()}; }

RecordingRecipe RecipeWithEntries(int count) {
    RecordingRecipe recipe;
    recipe.entryCount = count;
    recipe.g.xWave = 500;
    recipe.triggers = {{3, "DXNDNN"}, {count - 1, "NZBNND"}};
    recipe.manualMarks = {2, count / 2};
    recipe.track.latitudeStep = -0.0001;
    return recipe;
}

TEST(DataSectionWriter, HeadHoldsMarkRecordAndCount) {
    RecorderRecordBytes record;
    std::copy_n(kPlainRecorderRecord, record.size(), record.begin());
    const DataSectionHead head = MakeDataSectionHead(record, 0x0258);
    const std::string expected = std::string("CSMDAT") + std::string(kPlainRecorderRecord, 26) + "\x02\x58";
    EXPECT_EQ(std::string(head.begin(), head.end()), expected);
}

TEST(DataSectionHandlers, EmptySectionIsFortyBytesAndYieldsNothing) {
    const std::vector<uint8_t> box = MakeDataSectionBox(RecipeWithEntries(0));
    ASSERT_EQ(box.size(), 48u);
    EXPECT_EQ(std::string(box.begin() + 8, box.begin() + 14), "CSMDAT");
    EXPECT_EQ(std::string(box.end() - 6, box.end()), "CSMEND");

    const std::vector<uint8_t> area = DataAreaOf(box);
    ClipRecords records;
    EXPECT_EQ(UdatRecordsHandler(ViewOf(area), records, kUtc), kHandlerDone);
    EXPECT_TRUE(records.gps.empty());
    EXPECT_TRUE(records.gsensor.empty());
    EXPECT_TRUE(records.obd.empty());
    EXPECT_EQ(records.entryCount, 0);

    uint16_t count = 99;
    EXPECT_EQ(UdatCountHandler(ViewOf(area), count), kHandlerDone);
    EXPECT_EQ(count, 0);
}

TEST(DataSectionHandlers, SixHundredEntriesRoundTrip) {
    const RecordingRecipe recipe = RecipeWithEntries(600);
    const std::vector<uint8_t> box = MakeDataSectionBox(recipe);
    ASSERT_EQ(box.size(), 48u + 124u * 600u);
    const std::vector<uint8_t> area = DataAreaOf(box);

    ClipRecords records;
    ASSERT_EQ(UdatRecordsHandler(ViewOf(area), records, kUtc), kHandlerDone);
    ASSERT_EQ(records.entryCount, 600);
    ASSERT_EQ(records.gps.size(), 600u);
    ASSERT_EQ(records.gsensor.size(), 600u);
    ASSERT_EQ(records.obd.size(), 600u);
    for (int i = 0; i < 600; ++i) {
        const ExpectedEntry x = ExpectEntry(recipe, i);
        const GpsRecord& gps = records.gps[i];
        const GSensorRecord& g = records.gsensor[i];
        ASSERT_EQ(gps.entryIndex, i);
        ASSERT_EQ(g.entryIndex, i);
        ASSERT_EQ(records.obd[i].entryIndex, i);
        ASSERT_EQ(gps.time, i * 100);
        ASSERT_NEAR(gps.latitude, x.latitude, 1e-9) << i;
        ASSERT_NEAR(gps.longitude, x.longitude, 1e-9) << i;
        ASSERT_EQ(gps.speed, x.speedKmh);
        ASSERT_EQ(gps.fixTime, ExpectedFixTime(recipe, i)) << i;
        ASSERT_EQ(g.x, static_cast<double>(static_cast<float>(x.gx) / 1000.0f)) << i;
        ASSERT_EQ(g.z, static_cast<double>(static_cast<float>(x.gz) / 1000.0f));
        ASSERT_EQ(g.manualMark, x.manualMark ? 1u : 0u) << i;
        ASSERT_EQ(0, std::memcmp(records.obd[i].values, x.obd.data(), sizeof records.obd[i].values));
    }
    EXPECT_EQ(records.gsensor[3].triggerKind, TriggerKind::kFlagAt75);
    EXPECT_EQ(records.gsensor[599].triggerKind, TriggerKind::kEventB);
    EXPECT_EQ(records.gsensor[599].detection, kDetectionFlagSet);
    EXPECT_EQ(records.gsensor[599].axis, 3);
}

TEST(DataSectionHandlers, CountPastTheAreaIsRefusedNotReadShort) {
    // Two whole entries but a count of three; then a last entry short by one byte.
    std::vector<uint8_t> overrun =
        MakeDataArea(kPlainRecorderRecord, 3, {EntryBytesBuilder(), EntryBytesBuilder()}, false);
    std::vector<uint8_t> shortByOne =
        MakeDataArea(kPlainRecorderRecord, 2, {EntryBytesBuilder(), EntryBytesBuilder()}, false);
    shortByOne.pop_back();

    for (const std::vector<uint8_t>* area : {&overrun, &shortByOne}) {
        auto exact = std::make_unique<uint8_t[]>(area->size());
        std::copy(area->begin(), area->end(), exact.get());
        const ByteView view(exact.get(), area->size());

        ClipRecords records;
        EXPECT_EQ(UdatRecordsHandler(view, records, kUtc), kHandlerFailed);
        EXPECT_TRUE(records.gps.empty());
        EXPECT_TRUE(records.gsensor.empty());
        std::vector<GpsRecord> track;
        EXPECT_EQ(UdatGpsOnlyHandler(view, track, kUtc), kHandlerFailed);
        EXPECT_TRUE(track.empty());
    }
}

TEST(DataSectionHandlers, CountHandlerNeedsOnlyTheCountBytes) {
    std::vector<uint8_t> area = MakeDataArea(kPlainRecorderRecord, 0x1234, {}, false);
    uint16_t count = 0;
    EXPECT_EQ(UdatCountHandler(ViewOf(area), count), kHandlerDone);
    EXPECT_EQ(count, 0x1234);
    area.pop_back();
    EXPECT_EQ(UdatCountHandler(ViewOf(area), count), kHandlerFailed);
    EXPECT_EQ(UdatRecordsHandler(ByteView(), *std::make_unique<ClipRecords>(), kUtc), kHandlerFailed);
}

TEST(DataSectionHandlers, GpsOnlyHandlerAppendsEachClipFromItsOwnStart) {
    const std::vector<uint8_t> first = DataAreaOf(MakeDataSectionBox(RecipeWithEntries(20)));
    const std::vector<uint8_t> second = DataAreaOf(MakeDataSectionBox(RecipeWithEntries(30)));
    std::vector<GpsRecord> track;
    ASSERT_EQ(UdatGpsOnlyHandler(ViewOf(first), track, kUtc), kHandlerDone);
    ASSERT_EQ(UdatGpsOnlyHandler(ViewOf(second), track, kUtc), kHandlerDone);
    ASSERT_EQ(track.size(), 50u);
    EXPECT_EQ(track[19].entryIndex, 19);
    EXPECT_EQ(track[20].entryIndex, 0);
    EXPECT_EQ(track[20].time, 0);
    EXPECT_EQ(track[49].time, 2900);
}

}  // namespace
