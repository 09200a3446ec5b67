#include "browser/core/RecordLists.h"

#include <gtest/gtest.h>

#include "support/MemoryBrowser.h"

namespace {

using browser_testing::A;
using browser_testing::U;

MovieFileRecordList Records(const std::vector<std::string>& paths) {
    MovieFileRecordList records;
    RecordCounters counters;
    for (const std::string& path : paths) {
        AppendBuiltRecord(U(path), 1, 0, counters, records);
    }
    return records;
}

std::vector<std::string> Names(const MovieFileRecordList& records) {
    std::vector<std::string> names;
    for (const MovieFileRecord& r : records) names.push_back(A(r.FileName()));
    return names;
}

TEST(SortMovieFileRecords, PutsTheFirstGroupFirstThenEachGroupByName) {
    MovieFileRecordList records = Records({"F\\2401020304_A001.MOV", "F\\REC_0002.MOV", "F\\1REC_1.MOV",
                                           "F\\ABC_0001.MOV", "F\\2301020304_G001.MOV", "F\\REC_0001.MOV",
                                           "F\\REC_00011.MOV"});
    SortMovieFileRecords(records);
    EXPECT_EQ(Names(records),
              (std::vector<std::string>{"ABC_0001.MOV", "REC_0001.MOV", "REC_00011.MOV", "REC_0002.MOV",
                                        "1REC_1.MOV", "2301020304_G001.MOV", "2401020304_A001.MOV"}));
}

TEST(SortFindDataGroups, PutsFoldersFirstEachByName) {
    FolderListing entries = {{U("b.MOV"), false, 0}, {U("Z"), true, 0}, {U("a.MOV"), false, 0},
                             {U("A"), true, 0},      {U("."), true, 0}};
    SortFindDataGroups(entries);
    std::vector<std::string> names;
    for (const auto& e : entries) names.push_back(A(e.name));
    EXPECT_EQ(names, (std::vector<std::string>{".", "A", "Z", "a.MOV", "b.MOV"}));
}

// Names are compared without their folders; the kept rows keep their order.
TEST(RemoveRecordsByName, RemovesEqualNamesFromEveryFolder) {
    const MovieFileRecordList list = Records({"F\\3.MOV", "F\\1.MOV", "G\\1.MOV", "F\\2.MOV"});
    const std::pair<MovieFileRecordList, std::vector<std::string>> cases[] = {
        {{}, {"3.MOV", "1.MOV", "1.MOV", "2.MOV"}},
        {list, {}},
        {Records({"H\\1.MOV"}), {"3.MOV", "2.MOV"}},
    };
    for (const auto& [removed, kept] : cases) {
        MovieFileRecordList a = list;
        RemoveRecordsByName(a, removed);
        EXPECT_EQ(Names(a), kept);
    }
}

TEST(AppendRecords, CopiesInOrderAndCounts) {
    MovieFileRecordList a = Records({"F\\1.MOV"});
    EXPECT_EQ(AppendRecords(a, Records({"F\\3.MOV", "F\\2.MOV"})), 2u);
    EXPECT_EQ(Names(a), (std::vector<std::string>{"1.MOV", "3.MOV", "2.MOV"}));
}

TEST(KindFilter, HidesOnlySwitchedOffKindsAndKeepsUnpatternedNames) {
    const MovieFileRecordList all = Records({"F\\2401020304_A001.MOV", "F\\2401020304_G002.MOV",
                                             "F\\REC_0001.MOV", "F\\2401020304_M003.MOV",
                                             "F\\2401020304_P004.MOV", "F\\2401020304_S005.MOV"});
    KindShowFlags show{1, 1, 1, 1, 1};
    EXPECT_EQ(FilterRecordsByKind(all, show).size(), 6u);
    show = {0, 1, 1, 0, 1};  // A and P off
    EXPECT_EQ(Names(FilterRecordsByKind(all, show)),
              (std::vector<std::string>{"2401020304_G002.MOV", "REC_0001.MOV", "2401020304_M003.MOV",
                                        "2401020304_S005.MOV"}));
    show = {0, 0, 0, 0, 0};
    EXPECT_EQ(Names(FilterRecordsByKind(all, show)), (std::vector<std::string>{"REC_0001.MOV"}));
}

}  // namespace
