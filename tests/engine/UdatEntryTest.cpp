#include "format/UdatEntry.h"

#include <gtest/gtest.h>

#include "EntryBytesBuilder.h"
#include "FixedOffsetTimeZone.h"

namespace {

const FixedOffsetTimeZone kUtc;

struct ParsedEntry {
    GpsRecord gps;
    GSensorRecord g;
    ObdRecord obd;
};

ParsedEntry Parse(const EntryBytesBuilder& entry, int32_t index = 0) {
    const std::vector<uint8_t> area = MakeDataArea(kPlainRecorderRecord, 1, {entry});
    const auto view = UdatEntry::At(ViewOf(area), 0);
    EXPECT_TRUE(view.has_value());
    return {ParseGpsRecord(*view, index, kUtc), ParseGSensorRecord(*view, index), ParseObdRecord(*view, index)};
}

TEST(UdatEntryGps, ReadsPositionSpeedAndStatus) {
    const ParsedEntry p = Parse(EntryBytesBuilder(), 25);
    EXPECT_EQ(p.gps.entryIndex, 25);
    EXPECT_EQ(p.gps.time, 2500);  // entry 25 is 2.5 s in
    EXPECT_EQ(p.gps.valid, 1u);
    EXPECT_NEAR(p.gps.latitude, 35.68539, 1e-5);
    EXPECT_NEAR(p.gps.longitude, 139.761315, 1e-6);
    // The speed is followed directly by the time digits; it must not read them.
    EXPECT_EQ(p.gps.speed, 40.0);
    EXPECT_EQ(p.gps.spare, 0.0);
    EXPECT_EQ(p.gps.gsensor, nullptr);
    EXPECT_EQ(p.gps.obd, nullptr);
}

TEST(UdatEntryGps, SignBytesAndStatusLetters) {
    // Only the zero byte means negative; the letters themselves are not read.
    const ParsedEntry south = Parse(EntryBytesBuilder().Byte(15, 0).Byte(26, 0));
    EXPECT_NEAR(south.gps.latitude, -35.68539, 1e-5);
    EXPECT_NEAR(south.gps.longitude, -139.761315, 1e-6);
    EXPECT_GT(Parse(EntryBytesBuilder().Byte(15, 'S')).gps.latitude, 0.0);
    EXPECT_GT(Parse(EntryBytesBuilder().Byte(26, 'W')).gps.longitude, 0.0);

    const ParsedEntry noFix = Parse(EntryBytesBuilder().Text(5, "V"));
    EXPECT_EQ(noFix.gps.valid, 0u);
    EXPECT_NEAR(noFix.gps.latitude, 35.68539, 1e-5);
}

TEST(UdatEntryGps, TextThatIsNotANumberReadsAsZero) {
    const ParsedEntry p = Parse(EntryBytesBuilder().Text(6, "?????????").Text(27, "----"));
    EXPECT_EQ(p.gps.latitude, 0.0);
    EXPECT_EQ(p.gps.speed, 0.0);
}

TEST(UdatEntryGSensor, ReadsSignedThousandthsInSinglePrecision) {
    const ParsedEntry p = Parse(EntryBytesBuilder(), 7);
    EXPECT_EQ(p.g.entryIndex, 7);
    EXPECT_EQ(p.g.time, 700);
    EXPECT_EQ(p.g.x, static_cast<double>(-0.123f));
    EXPECT_EQ(p.g.y, static_cast<double>(0.045f));
    EXPECT_EQ(p.g.z, 1.0);
    EXPECT_EQ(p.g.axis, 1);  // 'X'
    EXPECT_EQ(p.g.triggerKind, TriggerKind::kNone);
    EXPECT_EQ(p.g.detection, 0u);
    EXPECT_EQ(p.g.manualMark, 0u);
}

TEST(UdatEntryGSensor, TriggerKindFirstMatchWins) {
    struct Case {
        const char* letters;  // entry bytes 72-77
        int32_t kind;
    };
    const Case cases[] = {
        {"DXNDNN", 6},   // 75 before 72
        {"DXNNDN", 5},   // 72 before 76
        {"NXNNDN", 7},   // 76 alone
        {"NXANDN", 7},   // a flag before the event letter
        {"NXANNN", 10},  // 'A'
        {"NXBNNN", 11},  // 'B'
        {"NXHNNN", 9},   // 'H'
        {"NXNNNN", -1},  // 'N'
        {"NXQNNN", -1},  // anything else
        {"dXNdNN", -1},  // the flag letter is upper-case only
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Parse(EntryBytesBuilder().Text(72, c.letters)).g.triggerKind, c.kind) << c.letters;
    }
}

TEST(UdatEntryGSensor, AxisDetectionAndManualMark) {
    EXPECT_EQ(Parse(EntryBytesBuilder().Byte(73, 'Y')).g.axis, 2);
    EXPECT_EQ(Parse(EntryBytesBuilder().Byte(73, 'Z')).g.axis, 3);
    EXPECT_EQ(Parse(EntryBytesBuilder().Byte(73, 'x')).g.axis, 0);
    EXPECT_EQ(Parse(EntryBytesBuilder().Byte(77, 'D')).g.detection, 8u);
    EXPECT_EQ(Parse(EntryBytesBuilder().Byte(122, 'M')).g.manualMark, 1u);
    EXPECT_EQ(Parse(EntryBytesBuilder().Byte(122, 'm')).g.manualMark, 0u);
}

TEST(UdatEntryGSensor, SignedTextForms) {
    const ParsedEntry p = Parse(EntryBytesBuilder().Text(57, "+1000-2500 0500"));
    EXPECT_EQ(p.g.x, 1.0);
    EXPECT_EQ(p.g.y, -2.5);
    EXPECT_EQ(p.g.z, 0.5);
}

TEST(UdatEntryObd, CopiesFlagsAndWordsRaw) {
    EntryBytesBuilder entry;
    entry.Word(0, 130).Word(2, 2500).Word(7, 0x1234);
    const ParsedEntry p = Parse(entry, 3);
    EXPECT_EQ(p.obd.entryIndex, 3);
    EXPECT_EQ(0, std::memcmp(p.obd.flags, entry.bytes().data() + 78, 4));
    EXPECT_EQ(0, std::memcmp(p.obd.values, entry.bytes().data() + 82, 30));
    // The recorder stores the words little-endian; read in host order here.
    EXPECT_EQ(p.obd.values[0], 130);
    EXPECT_EQ(p.obd.values[2], 2500);
    EXPECT_EQ(p.obd.values[7], 0x1234);
    EXPECT_EQ(p.obd.values[14], kObdNoValue);
}

TEST(UdatEntryView, OnlyWholeEntriesInsideTheArea) {
    const std::vector<uint8_t> area = MakeDataArea(kPlainRecorderRecord, 2, {EntryBytesBuilder(), EntryBytesBuilder()},
                                                   /*withEndMark=*/false);
    EXPECT_TRUE(UdatEntry::At(ViewOf(area), 1).has_value());
    EXPECT_FALSE(UdatEntry::At(ViewOf(area), 2).has_value());
    EXPECT_FALSE(UdatEntry::At(ByteView(area.data(), area.size() - 1), 1).has_value());
    EXPECT_FALSE(UdatEntry::At(ViewOf(area), SIZE_MAX / 64).has_value());
}

}  // namespace
