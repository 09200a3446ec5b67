#include "app/core/CsvRows.h"

#include <gtest/gtest.h>

#include "ui/core/UiTextTable.h"

namespace {

CsvRecordingFacts Plain() {
    CsvRecordingFacts facts;
    facts.fileName = UI_TEXT("2401020304_A001.MOV");
    facts.width = 640;
    facts.height = 360;
    facts.frameCount = 240;
    facts.frameRate = 90000.0f / 3003.0f;
    facts.start = {2024, 1, 2, 2, 3, 4, 5, 0};
    facts.resolutionLetter = 'H';
    facts.fileSize = 5000000;
    return facts;
}

UiString Text(int slot) { return UiText(slot); }

TEST(CsvRows, ARecordingGivesItsNineColumns) {
    UiTextVariant = 0;
    struct Case {
        const char* what;
        void (*change)(CsvRecordingFacts&);
        UiString expected;
    };
    const UiString kind = Text(kSlotKindContinuous);
    const Case cases[] = {
        {"plain", [](CsvRecordingFacts&) {},
         UI_TEXT("2401020304_A001.MOV,2024/01/02,03:04:05,00:00:08,") + kind + UI_TEXT(",SD,") + Text(59) +
             UI_TEXT(",30fps,4MB\r\n")},
        {"year 0", [](CsvRecordingFacts& f) { f.start = {}; },
         UI_TEXT("2401020304_A001.MOV,--/--/--,--:--:--,00:00:08,") + kind + UI_TEXT(",SD,") + Text(59) +
             UI_TEXT(",30fps,4MB\r\n")},
        {"height 480", [](CsvRecordingFacts& f) { f.height = 480; },
         UI_TEXT("2401020304_A001.MOV,2024/01/02,03:04:05,00:00:08,") + kind + UI_TEXT(",,,30fps,4MB\r\n")},
        {"low quality full HD, 1:01:01 at 30 fps, just under 1 MiB",
         [](CsvRecordingFacts& f) {
             f.height = 1080;
             f.resolutionLetter = 'F';
             f.frameRate = 30.0f;
             f.frameCount = 3661 * 30 + 29;
             f.fileSize = 1048575;
         },
         UI_TEXT("2401020304_A001.MOV,2024/01/02,03:04:05,01:01:01,") + kind + UI_TEXT(",FHD,") + Text(60) +
             UI_TEXT(",30fps,0MB\r\n")},
        {"no timing table", [](CsvRecordingFacts& f) {
             f.frameRate = -1.0f;
             f.frameCount = -1;
         },
         UI_TEXT("2401020304_A001.MOV,2024/01/02,03:04:05,00:00:00,") + kind + UI_TEXT(",SD,") + Text(59) +
             UI_TEXT(",-1fps,4MB\r\n")},
        {"a name without a kind, over 4 GiB",
         [](CsvRecordingFacts& f) {
             f.fileName = UI_TEXT("clip.MOV");
             f.fileSize = 12345678901;
         },
         UI_TEXT("clip.MOV,2024/01/02,03:04:05,00:00:08,,SD,") + Text(59) + UI_TEXT(",30fps,11773MB\r\n")},
    };
    for (const Case& c : cases) {
        CsvRecordingFacts facts = Plain();
        c.change(facts);
        EXPECT_EQ(CsvRecordingLine(facts), c.expected) << c.what;
    }
}

TEST(CsvRows, AnUnreadableRecordingGivesTheFallbackLine) {
    EXPECT_EQ(CsvFallbackLine(UI_TEXT("broken.MOV")), UiString(UI_TEXT("broken.MOV,-,-,-,-,-,-,fps,0MB\r\n")));
}

TEST(CsvRows, TheFileIsNamedAfterTheFirstStartTimeAndYearZeroNamesNone) {
    EXPECT_EQ(CsvFileName({2022, 4, 1, 18, 12, 34, 56, 789}), UiString(UI_TEXT("Dv_20220418_123456.csv")));
    EXPECT_FALSE(CsvFileName({}).has_value());
    EXPECT_FALSE(CsvFileName({0, 4, 1, 18, 12, 34, 56, 0}).has_value());
}

}  // namespace
