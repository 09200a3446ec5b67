#include "browser/core/RecordNames.h"

#include <gtest/gtest.h>

#include "browser/core/MovieFileRecord.h"
#include "support/MemoryBrowser.h"

namespace {

using browser_testing::U;

TEST(RecordKind, IsTheTwelfthLetterAfterAnUnderscoreAtIndexTen) {
    EXPECT_EQ(RecordKindLetter(U("2401020304_A001.MOV")), UiChar('A'));
    EXPECT_EQ(RecordKindLetter(U("2401020304_G001.MOV")), UiChar('G'));
    EXPECT_EQ(RecordKindLetter(U("2401020304_S")), UiChar('S'));
    EXPECT_EQ(RecordKindLetter(U("2401020304_X001.MOV")), 0);
    EXPECT_EQ(RecordKindLetter(U("2401020304_a001.MOV")), 0);
    EXPECT_EQ(RecordKindLetter(U("24010203_4A001.MOV")), 0);
    EXPECT_EQ(RecordKindLetter(U("2401020304_")), 0);
}

TEST(RecordKind, MarkIsTheNamesFirstCharacterForKindPatternNames) {
    EXPECT_EQ(RecordKindMark(U("2401020304_A001.MOV")), 0x32u);
    EXPECT_EQ(RecordKindMark(U("REC0000000_P001.MOV")), static_cast<uint32_t>('R'));
    // '_' at index 8 and a digit at index 10: no kind.
    EXPECT_EQ(RecordKindMark(U("24010203_0401.MOV")), 0u);
}

TEST(TwoGroupOrder, FirstGroupIsThreeNonDigitsAndAnUnderscore) {
    EXPECT_TRUE(ClassifyRecordName(U("REC_0001.MOV")));
    EXPECT_TRUE(ClassifyRecordName(U("ab._")));
    EXPECT_FALSE(ClassifyRecordName(U("RE1_0001.MOV")));
    EXPECT_FALSE(ClassifyRecordName(U("2401020304_A001.MOV")));
    EXPECT_FALSE(ClassifyRecordName(U("RECX0001.MOV")));
    EXPECT_FALSE(ClassifyRecordName(U("RE_")));
    EXPECT_FALSE(ClassifyRecordName(U("")));
}

TEST(NameOrder, IsOrdinalByUnitsWithPrefixesFirst) {
    EXPECT_TRUE(CompareRecordNames(U("A"), U("B")));
    EXPECT_TRUE(CompareRecordNames(U("B"), U("a")));  // case-sensitive: 'B' < 'a'
    EXPECT_TRUE(CompareRecordNames(U("ab"), U("abc")));
    EXPECT_FALSE(CompareRecordNames(U("abc"), U("ab")));
    EXPECT_FALSE(CompareRecordNames(U("ab"), U("ab")));
    // unsigned 16-bit units: a Japanese name sorts after every ASCII name
    const UiString japanese{static_cast<UiChar>(0x9332)};
    EXPECT_TRUE(CompareRecordNames(U("zzz"), japanese));
}

TEST(RecordingListText, ShowsTheNameUpToItsFirstDot) {
    EXPECT_EQ(ListRowTitle(U("2401020304_A001.MOV")), U("2401020304_A001"));
    EXPECT_EQ(ListRowTitle(U("a.b.MOV")), U("a"));
    EXPECT_EQ(ListRowTitle(U("nodot")), U("nodot"));
    EXPECT_EQ(ListRowTitle(U(".hidden.MOV")), U(".hidden.MOV"));
}

TEST(MovieFileRecordBuilder, FillsNamesCountersKindAndTheFull64BitSize) {
    MovieFileRecordList records;
    RecordCounters counters;
    counters.running = 7;
    const uint64_t fiveGiB = 5ull << 30;
    ASSERT_TRUE(AppendBuiltRecord(U("E:\\DCIM\\100\\2401020304_G001.MOV"), fiveGiB, 0, counters, records));
    ASSERT_TRUE(AppendBuiltRecord(U("E:\\DCIM\\100\\REC_0001.mov"), 10, 0, counters, records));
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[0].FullPath(), U("E:\\DCIM\\100\\2401020304_G001.MOV"));
    EXPECT_EQ(records[0].FileName(), U("2401020304_G001.MOV"));
    EXPECT_EQ(records[0].runningNumber, 7u);
    EXPECT_EQ(records[1].runningNumber, 8u);
    EXPECT_EQ(records[1].sequenceNumber, records[0].sequenceNumber + 1);
    EXPECT_EQ(records[0].fileSize, fiveGiB);  // not 1 GiB, as a 32-bit size would say
    EXPECT_EQ(records[0].kindMark, 0x32u);
    EXPECT_EQ(records[1].kindMark, 0u);
    EXPECT_EQ(records[0].groupNumber, 0u);
    EXPECT_TRUE(records[0].startTime.IsZero());
    EXPECT_EQ(counters.running, 9u);
}

TEST(MovieFileRecordBuilder, RefusesNonMovNamesAndPathsThatDoNotFit) {
    MovieFileRecordList records;
    RecordCounters counters;
    EXPECT_FALSE(AppendBuiltRecord(U("E:\\x.MP4"), 1, 0, counters, records));
    const UiString longPath = U("E:\\" + std::string(252, 'd') + "\\a.MOV");
    ASSERT_GT(longPath.size(), kRecordPathChars);
    EXPECT_FALSE(AppendBuiltRecord(longPath, 1, 0, counters, records));
    EXPECT_TRUE(records.empty());
    EXPECT_EQ(counters.running, 0u);
}

TEST(MovieFileRecordPlaceholder, HoldsOnlyThePathAndAllOnesNumbers) {
    MovieFileRecordList records;
    RecordCounters counters;
    EXPECT_EQ(AddPlaceholderRecord(U("E:\\DCIM\\100MEDIA"), records), 1);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].FileName(), U("100MEDIA"));
    EXPECT_EQ(records[0].runningNumber, 0xFFFFFFFFu);
    EXPECT_EQ(records[0].sequenceNumber, 0xFFFFFFFFu);
    EXPECT_EQ(records[0].groupNumber, 0xFFFFFFFFu);
    EXPECT_EQ(records[0].fileSize, 0xFFFFFFFFFFFFFFFFull);
    EXPECT_EQ(records[0].kindMark, 0u);
    EXPECT_EQ(counters.running, 0u);
}

}  // namespace
