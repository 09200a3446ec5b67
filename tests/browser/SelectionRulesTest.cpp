#include "browser/core/SelectionRules.h"

#include <gtest/gtest.h>

#include "support/MemoryBrowser.h"

namespace {

using browser_testing::A;
using browser_testing::U;

std::vector<bool> Ticks(size_t rows, std::initializer_list<int> ticked) {
    std::vector<bool> ticks(rows, false);
    for (const int row : ticked) ticks[static_cast<size_t>(row)] = true;
    return ticks;
}

// Ticks or unticks one row the way the dialog sees it: the row's new state
// first, then the rule with the run from before.
CheckedRun Change(std::vector<bool>& ticks, CheckedRun run, int row, bool state) {
    ticks[static_cast<size_t>(row)] = state;
    return KeepCheckedRunContiguous(ticks, row, run);
}

TEST(CheckedRun, IsTheFirstTickedRowAndTheFirstUntickedAfterIt) {
    EXPECT_EQ(FindCheckedRun(Ticks(8, {})), (CheckedRun{-1, -1}));
    EXPECT_EQ(FindCheckedRun(Ticks(8, {2, 3, 5})), (CheckedRun{2, 4}));
    EXPECT_EQ(FindCheckedRun(Ticks(8, {6, 7})), (CheckedRun{6, 8}));
}

// A tick outside the run fills the gap; an untick inside it cuts the rest.
TEST(JoinRun, StaysOneRunWhateverRowChanges) {
    struct Case {
        std::initializer_list<int> before;
        int row;
        bool state;
        std::initializer_list<int> after;
        CheckedRun run;
    };
    const Case cases[] = {
        {{}, 2, true, {2}, {2, 3}},
        {{2}, 5, true, {2, 3, 4, 5}, {2, 6}},
        {{5, 6}, 1, true, {1, 2, 3, 4, 5, 6}, {1, 7}},
        {{2, 3, 4, 5, 6}, 4, false, {2, 3}, {2, 4}},
        {{2, 3, 4, 5, 6}, 2, false, {3, 4, 5, 6}, {3, 7}},
    };
    for (const Case& c : cases) {
        std::vector<bool> ticks = Ticks(8, c.before);
        const CheckedRun run = Change(ticks, FindCheckedRun(ticks), c.row, c.state);
        EXPECT_EQ(ticks, Ticks(8, c.after)) << c.row;
        EXPECT_EQ(run, c.run) << c.row;
    }
}

MovieFileRecordList Sized(std::initializer_list<uint64_t> sizes) {
    MovieFileRecordList rows;
    RecordCounters counters;
    int i = 0;
    for (const uint64_t size : sizes) {
        AppendBuiltRecord(U("F\\" + std::to_string(i++) + ".MOV"), size, 0, counters, rows);
    }
    return rows;
}

TEST(JoinLimits, ExactlyOneGigabyteIsAcceptedOneMegabyteMoreIsNot) {
    constexpr uint64_t kMb = 1ull << 20;
    auto totals = ComputeSelectionTotals(Sized({512 * kMb, 512 * kMb}), {true, true}, kSelectJoin);
    EXPECT_FALSE(totals.sizeOver);
    EXPECT_EQ(A(totals.text), "1024 MB");
    EXPECT_EQ(SelectionRefusalSlot(totals), 0);
    totals = ComputeSelectionTotals(Sized({512 * kMb, 512 * kMb + 1}), {true, true}, kSelectJoin);
    EXPECT_FALSE(totals.sizeOver);  // 1024 after the shift
    totals = ComputeSelectionTotals(Sized({512 * kMb, 513 * kMb}), {true, true}, kSelectJoin);
    EXPECT_TRUE(totals.sizeOver);
    EXPECT_EQ(SelectionRefusalSlot(totals), 139);
}

TEST(JoinLimits, AFileOfFourGibibytesCannotSlipThroughTheSizeLimit) {
    const auto totals = ComputeSelectionTotals(Sized({(4ull << 30) + 100, 10}), {true, true}, kSelectJoin);
    EXPECT_TRUE(totals.sizeOver);
}

TEST(JoinLimits, NinetyNineFilesAreAcceptedAHundredAreNot) {
    MovieFileRecordList rows;
    RecordCounters counters;
    for (int i = 0; i < 100; ++i) AppendBuiltRecord(U("F\\" + std::to_string(i) + ".MOV"), 1, 0, counters, rows);
    std::vector<bool> ticks(100, true);
    EXPECT_EQ(SelectionRefusalSlot(ComputeSelectionTotals(rows, ticks, kSelectJoin)), 142);
    ticks[99] = false;
    EXPECT_EQ(SelectionRefusalSlot(ComputeSelectionTotals(rows, ticks, kSelectJoin)), 0);
    ticks.assign(100, true);
    // Delete mode has no limits.
    EXPECT_EQ(SelectionRefusalSlot(ComputeSelectionTotals(rows, ticks, kSelectDelete)), 0);
}

TEST(SelectionTotals, NoTickedRowIsZeroMegabytes) {
    EXPECT_EQ(A(ComputeSelectionTotals(Sized({5ull << 20}), {false}, kSelectDelete).text), "0 MB");
}

TEST(SelectionOk, NeedsTwoRowsToJoinOneToDeleteAndLeavesBackupAlone) {
    EXPECT_FALSE(SelectionOkEnabled(kSelectJoin, 1, true));
    EXPECT_TRUE(SelectionOkEnabled(kSelectJoin, 2, false));
    EXPECT_FALSE(SelectionOkEnabled(kSelectDelete, 0, true));
    EXPECT_TRUE(SelectionOkEnabled(kSelectDelete, 1, false));
    EXPECT_TRUE(SelectionOkEnabled(kSelectBackup, 0, true));
    EXPECT_FALSE(SelectionOkEnabled(kSelectBackup, 5, false));
}

TEST(SelectionList, JoinModeListsOnlyMovExtensionsAndSizesAreWholeMegabytes) {
    EXPECT_TRUE(JoinModeListsRecord(U("C:\\a\\x.MOV")));
    EXPECT_TRUE(JoinModeListsRecord(U("C:\\a\\x.mov")));
    EXPECT_TRUE(JoinModeListsRecord(U("C:\\a\\x.MOVIE")));  // "contains"
    EXPECT_FALSE(JoinModeListsRecord(U("C:\\a\\x.MP4")));
    EXPECT_FALSE(JoinModeListsRecord(U("C:\\a.MOV\\x")));
    EXPECT_FALSE(JoinModeListsRecord(U("C:\\a\\MOV")));
    EXPECT_EQ(A(RecordSizeText((3ull << 20) - 1)), "2 MB");
    EXPECT_EQ(A(RecordSizeText(5ull << 30)), "5120 MB");
}

}  // namespace
