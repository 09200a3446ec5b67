#include <gtest/gtest.h>

#include <memory>

#include "EntryBytesBuilder.h"
#include "format/DataSectionHandlers.h"

namespace {

// A copy on the heap of exactly the given length, so a read one byte past
// the end is caught by the address sanitizer.
class ExactBytes {
public:
    explicit ExactBytes(const std::vector<uint8_t>& bytes)
        : data_(std::make_unique<uint8_t[]>(bytes.size())), size_(bytes.size()) {
        std::copy(bytes.begin(), bytes.end(), data_.get());
    }
    ByteView view() const { return ByteView(data_.get(), size_); }

private:
    std::unique_ptr<uint8_t[]> data_;
    size_t size_;
};

CsRecord Parse(const std::vector<uint8_t>& area, int32_t expectedResult = kHandlerDone) {
    CsRecord record;
    record.typeLetter = '?';
    const ExactBytes exact(area);
    EXPECT_EQ(CsRecordHandler(exact.view(), record), expectedResult);
    return record;
}

std::string VersionBytes(const CsRecord& r) {
    return std::string(reinterpret_cast<const char*>(r.versionBytes), sizeof r.versionBytes);
}

TEST(CsRecord, ReadsNumbersTypeAndVersionBytes) {
    const CsRecord r = Parse(MakeDataArea(kPlainRecorderRecord, 1, {EntryBytesBuilder()}));
    EXPECT_EQ(r.numbers[0], 0.001f);
    EXPECT_EQ(r.numbers[1], 0.002f);
    EXPECT_EQ(r.numbers[2], 0.003f);
    EXPECT_EQ(r.numbers[3], 0.004f);
    EXPECT_EQ(r.typeLetter, 'M');
    EXPECT_EQ(VersionBytes(r), "010203Hx");
    EXPECT_EQ(r.ResolutionLetter(), 'H');
}

TEST(CsRecord, InvalidTypeLetterGivesMinusOnesAndStillSucceeds) {
    const CsRecord r = Parse(MakeDataArea("0001000200030004X010203Hxy", 1, {EntryBytesBuilder()}));
    for (float n : r.numbers) EXPECT_EQ(n, -1.0f);
    EXPECT_EQ(r.typeLetter, 'X');
    EXPECT_EQ(VersionBytes(r), std::string(8, '\0'));
}

TEST(CsRecord, RunOfRecordsOverwritesWithTheLast) {
    // Entry 0's bytes 2-5 are the continuation tag; the next record starts at
    // entry byte 6.
    EntryBytesBuilder first;
    first.Text(2, "@CSB").Text(6, "1000200030004000D090807Fzz");
    const CsRecord r = Parse(MakeDataArea(kPlainRecorderRecord, 1, {first}));
    EXPECT_EQ(r.typeLetter, 'D');
    EXPECT_EQ(r.numbers[0], 1.0f);
    EXPECT_EQ(r.numbers[3], 4.0f);
    EXPECT_EQ(VersionBytes(r), "090807Fz");
}

TEST(CsRecord, RunEndsAtAnInvalidRecordKeepingEarlierBytes) {
    EntryBytesBuilder first;
    first.Text(2, "@CSB").Text(6, "1000200030004000Q090807Fzz");
    const CsRecord r = Parse(MakeDataArea(kPlainRecorderRecord, 1, {first}));
    EXPECT_EQ(r.typeLetter, 'Q');
    EXPECT_EQ(r.numbers[0], -1.0f);
    EXPECT_EQ(VersionBytes(r), "010203Hx");
}

TEST(CsRecord, TagNeedsAnUpperCaseLetter) {
    for (const char* tag : {"@CSa", "@CS1", "@cSA", "#CSA"}) {
        EntryBytesBuilder first;
        first.Text(2, tag).Text(6, "1000200030004000D090807Fzz");
        EXPECT_EQ(Parse(MakeDataArea(kPlainRecorderRecord, 1, {first})).typeLetter, 'M') << tag;
    }
}

TEST(CsRecord, RunStopsAtTheEndOfTheArea) {
    // Repeat the tag every 34 bytes to the very end: the run must follow every
    // whole record and never test or read bytes past the area.
    std::vector<uint8_t> area(26 + 34 * 5, ' ');
    const std::string record = "0001000200030004M010203Hxy";
    for (size_t at = 0; at + 26 <= area.size(); at += 34) {
        std::copy(record.begin(), record.end(), area.begin() + at);
        area[at + 16] = static_cast<uint8_t>('D');
        area[at + 23] = static_cast<uint8_t>('A' + at / 34);
        if (at + 34 <= area.size()) std::copy_n("@CSZ", 4, area.begin() + at + 30);
    }
    const CsRecord r = Parse(area);
    EXPECT_EQ(r.ResolutionLetter(), 'A' + 5);

    // Cut so the last record's tag is there but not its 26 bytes.
    area.resize(26 + 34 * 4 + 20);
    EXPECT_EQ(Parse(area).ResolutionLetter(), 'A' + 4);
}

TEST(CsRecord, AreaTooShortForARecordFails) {
    const std::vector<uint8_t> area(kPlainRecorderRecord, kPlainRecorderRecord + 25);
    EXPECT_EQ(Parse(area, kHandlerFailed).typeLetter, '?');
}

}  // namespace
