#include "app/core/JobRules.h"

#include <gtest/gtest.h>

namespace {

TEST(JobRules, ThePercentIsWholeForAnEmptyJobAndRoundsDown) {
    EXPECT_EQ(WorkerPercent(0, 0), 100);
    EXPECT_EQ(WorkerPercent(5, -1), 100);
    EXPECT_EQ(WorkerPercent(3, 7), 42);
    EXPECT_EQ(WorkerPercent(7, 7), 100);
    EXPECT_EQ(WorkerPercent(0, 7), 0);
    EXPECT_EQ(WorkerPercent(4000000000u, 2000000000), 100);
}

TEST(JobRules, MergingNeverReportsTheWholeJoin) {
    for (int32_t count : {2, 10, 99}) {
        EXPECT_LT(JoinMergeProgress(count - 1) * 100 / count, 100) << count;
    }
    EXPECT_EQ(JoinMergeProgress(1), 0);
    EXPECT_EQ(JoinMergeProgress(50), 49);
}

TEST(JobRules, AJoinNeedsStrictlyMoreFreeSpaceThanItsRecordings) {
    EXPECT_TRUE(JoinFitsFreeSpace(100, 101));
    EXPECT_FALSE(JoinFitsFreeSpace(100, 100));
    EXPECT_FALSE(JoinFitsFreeSpace(5ull << 32, 1ull << 32));  // sizes past 4 GiB count whole
    EXPECT_FALSE(JoinFitsFreeSpace(0, std::nullopt));
}

TEST(JobRules, SnapshotFileNames) {
    struct Case {
        const UiChar* folder;
        const UiChar* name;
        uint32_t group;
        uint32_t sequence;
        int32_t frame;
        const UiChar* expected;
    };
    for (const Case& c : {
             Case{UI_TEXT("D:\\Pictures"), UI_TEXT("FILE0001.MOV"), 1, 12, 345,
                  UI_TEXT("D:\\Pictures\\Pictures-FILE0001-001_012_000345.jpg")},
             Case{UI_TEXT("E:\\"), UI_TEXT("FILE0001.MOV"), 0, 7, 0, UI_TEXT("E:\\E-FILE0001-000_007_000000.jpg")},
             Case{UI_TEXT("D:\\Pictures\\"), UI_TEXT("FILE0001.MOV"), 0, 1, 2,
                  UI_TEXT("D:\\Pictures\\Pictures-FILE0001-000_001_000002.jpg")},
             Case{UI_TEXT("D:\\Pictures"), UI_TEXT("nodot"), 0, 1234, 1234567,
                  UI_TEXT("D:\\Pictures\\Pictures--000_1234_1234567.jpg")},
             Case{UI_TEXT("\\\\server\\share"), UI_TEXT("a.b.MOV"), 0, 1, 2,
                  UI_TEXT("\\\\server\\share\\share-a-000_001_000002.jpg")},
             Case{UI_TEXT("C:\\写真"), UI_TEXT("ドライブ.MOV"), 0, 1, 2,
                  UI_TEXT("C:\\写真\\写真-ドライブ-000_001_000002.jpg")},
         }) {
        EXPECT_EQ(SnapshotFilePath(c.folder, c.name, c.group, c.sequence, c.frame), UiString(c.expected));
    }
}

}  // namespace
