#include "browser/core/FolderWalks.h"

#include <gtest/gtest.h>

#include "support/MemoryBrowser.h"

namespace {

using namespace browser_testing;

std::vector<std::string> Names(const MovieFileRecordList& records) {
    std::vector<std::string> names;
    for (const MovieFileRecord& r : records) names.push_back(A(r.FileName()));
    return names;
}

std::vector<std::string> Paths(const MovieFileRecordList& records) {
    std::vector<std::string> paths;
    for (const MovieFileRecord& r : records) paths.push_back(A(r.FullPath()));
    return paths;
}

std::string Numbered(int i, char kind = 'A') {
    char name[32];
    std::snprintf(name, sizeof name, "24%08d_%c%03d.MOV", i, kind, i % 1000);
    return name;
}

class FolderWalks : public ::testing::Test {
protected:
    MemoryFileSystem fs;
    MemoryProbe probe{fs};
    RecordCounters counters;
    FolderWalker walker{fs, probe, counters};
    MemoryFolderTree tree;
};

TEST_F(FolderWalks, TreeWalkListsAcceptedRecordingsByNameAndInsertsEverySubFolder) {
    fs.AddRecordings("C:\\src", {"2401020312_G002.MOV", "2401020304_A001.MOV", "REC_0001.MOV"});
    fs.AddFile("C:\\src\\notes.txt", false);
    fs.AddFile("C:\\src\\broken.MOV", false);  // the recorder-file test rejects it
    fs.AddFile("C:\\src\\clip.MP4");            // a recording, but not a ".MOV" name
    fs.AddFolder("C:\\src\\b");
    fs.AddFolder("C:\\src\\a");
    MovieFileRecordList records;
    uint32_t count = 0;
    EXPECT_EQ(walker.FillFolderTree(U("C:\\src"), tree, kNoTreeItem, &records, nullptr, false, true, &count, 0), 1);
    EXPECT_EQ(Names(records), (std::vector<std::string>{"2401020304_A001.MOV", "2401020312_G002.MOV", "REC_0001.MOV"}));
    EXPECT_EQ(count, 3u);
    EXPECT_EQ(tree.ChildNames(kNoTreeItem), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(records[0].FullPath(), U("C:\\src\\2401020304_A001.MOV"));
    EXPECT_EQ(records[0].runningNumber, 0u);
    EXPECT_EQ(records[2].runningNumber, 2u);
}

TEST_F(FolderWalks, ContentCheckMakesItemsOnlyOfFoldersHoldingRecordingsDirectly) {
    fs.AddRecordings("E:\\DCIM\\100", {"2401020312_G002.MOV", "2401020320_P003.MOV"});
    fs.AddRecordings("E:\\DCIM\\101", {"2401020304_A001.MOV"});
    fs.AddRecordings("E:\\DCIM\\102\\deeper", {"2401020304_M001.MOV"});  // only deeper down
    fs.AddFile("E:\\DCIM\\103\\readme.txt", false);
    fs.AddRecordings("E:\\DCIM\\104", {"REC_0001.MOV"});  // no kind
    MovieFileRecordList records;
    MovieFileRecordList folders;
    walker.FillFolderTree(U("E:\\DCIM"), tree, kNoTreeItem, &records, &folders, true, true, nullptr, 0);
    EXPECT_EQ(tree.ChildNames(kNoTreeItem), (std::vector<std::string>{"100", "101", "104"}));
    const auto items = tree.Children(kNoTreeItem);
    EXPECT_EQ(tree.Mask(items[0]), kMaskImpact | kMaskParking);
    EXPECT_EQ(tree.Mask(items[1]), kMaskContinuous);
    EXPECT_EQ(tree.Mask(items[2]), 0u);
    EXPECT_EQ(Paths(folders), (std::vector<std::string>{"E:\\DCIM\\100", "E:\\DCIM\\101", "E:\\DCIM\\104"}));
    EXPECT_EQ(folders[0].fileSize, 0xFFFFFFFFFFFFFFFFull);
    EXPECT_TRUE(records.empty());  // nothing stands in "\DCIM" itself
    EXPECT_TRUE(tree.Children(items[0]).empty());
}

TEST_F(FolderWalks, CountMovieFilesGivesTheFoldersOwnKindsInBitOrderAMGPS) {
    fs.AddRecordings("F", {"2401020304_A001.MOV", "2401020304_M001.MOV", "2401020304_G001.MOV",
                           "2401020304_P001.MOV", "2401020304_S001.MOV", "REC_0001.MOV"});
    fs.AddRecordings("F\\sub", {"2401020304_A002.MOV"});
    uint32_t mask = 99;
    EXPECT_EQ(walker.CountMovieFiles(U("F"), mask), 1);
    EXPECT_EQ(mask, 0x1Fu);
    fs.AddRecordings("G", {"2401020304_M001.MOV"});
    fs.AddFile("G\\2401020304_G001.MOV", false);
    EXPECT_EQ(walker.CountMovieFiles(U("G"), mask), 1);
    EXPECT_EQ(mask, kMaskManual);
    EXPECT_EQ(walker.CountMovieFiles(U("missing"), mask), 0);
    EXPECT_EQ(mask, 0u);
}

TEST_F(FolderWalks, TheThousandAndFirstRecordingIsCountedButNotListed) {
    std::vector<std::string> names;
    for (int i = 0; i < 1001; ++i) names.push_back(Numbered(i));
    fs.AddRecordings("F", names);
    MovieFileRecordList records;
    uint32_t count = 0;
    walker.FillFolderTree(U("F"), tree, kNoTreeItem, &records, nullptr, false, true, &count, 0);
    EXPECT_EQ(count, 1001u);
    ASSERT_EQ(records.size(), kMaxListedRecords);
    EXPECT_EQ(A(records.back().FileName()), Numbered(999));
}

// Both walks stop growing the tree at 1500 items; the plain walk still
// builds the records.
TEST_F(FolderWalks, TheTreeStopsGrowingAt1500Items) {
    for (int i = 0; i < 1600; ++i) fs.AddRecordings("F\\d" + std::to_string(10000 + i), {"2401020304_A001.MOV"});
    fs.AddRecordings("F", {"2401020304_A001.MOV"});
    MovieFileRecordList records;
    walker.FillFolderTree(U("F"), tree, kNoTreeItem, &records, nullptr, false, true, nullptr, 0);
    EXPECT_EQ(tree.ItemCount(), kMaxTreeItems);
    EXPECT_EQ(records.size(), 1u);
    MemoryFolderTree checked;
    MovieFileRecordList folders;
    walker.FillFolderTree(U("F"), checked, kNoTreeItem, &records, &folders, true, true, nullptr, 0);
    EXPECT_EQ(checked.ItemCount(), kMaxTreeItems);
    EXPECT_EQ(folders.size(), kMaxTreeItems);
}

// At depth 2 a sub-folder is still looked into (its walk runs at depth 3);
// at depth 3 it is not, with or without the content check.
TEST_F(FolderWalks, WalksLookNoDeeperThanDepthThree) {
    fs.AddRecordings("R\\x", {"2401020304_A001.MOV"});
    for (bool contentCheck : {false, true}) {
        MovieFileRecordList records;
        MovieFileRecordList folders;
        MemoryFolderTree atTwo;
        walker.FillFolderTree(U("R"), atTwo, kNoTreeItem, &records, &folders, contentCheck, true, nullptr, 2);
        EXPECT_EQ(atTwo.ChildNames(kNoTreeItem), (std::vector<std::string>{"x"})) << contentCheck;
        MemoryFolderTree atThree;
        walker.FillFolderTree(U("R"), atThree, kNoTreeItem, &records, &folders, contentCheck, true, nullptr, 3);
        EXPECT_EQ(atThree.ItemCount(), 0u) << contentCheck;
    }
}

TEST_F(FolderWalks, NothingIsAcceptedWhileTheEngineIsNotInitialised) {
    fs.AddRecordings("E:\\DCIM\\100", {"2401020304_A001.MOV"});
    fs.AddRecordings("E:\\DCIM", {"2401020304_A002.MOV"});
    probe.ready = false;
    MovieFileRecordList records;
    MovieFileRecordList folders;
    uint32_t count = 0;
    walker.FillFolderTree(U("E:\\DCIM"), tree, kNoTreeItem, &records, &folders, true, true, &count, 0);
    EXPECT_TRUE(records.empty());
    EXPECT_EQ(count, 0u);
    EXPECT_EQ(tree.ItemCount(), 0u);
    MovieFileRecordList all;
    walker.CollectRecordsRecursive(U("E:\\DCIM"), all, nullptr, 0);
    EXPECT_TRUE(all.empty());
    // The version listing does not ask the engine.
    MovieFileRecordList listing;
    EXPECT_EQ(walker.CollectFolderRecords(U("E:\\DCIM\\100"), listing), 1);
    EXPECT_EQ(Names(listing), (std::vector<std::string>{"2401020304_A001.MOV"}));
}

TEST_F(FolderWalks, AFolderThatCannotBeListedYieldsNothing) {
    fs.AddRecordings("F", {"2401020304_A001.MOV"});
    fs.MakeUnlistable("F");
    MovieFileRecordList records;
    uint32_t mask = 0;
    EXPECT_EQ(walker.FillFolderTree(U("F"), tree, kNoTreeItem, &records, nullptr, false, true, nullptr, 0), 1);
    EXPECT_EQ(walker.CollectRecordsRecursive(U("F"), records, nullptr, 0), 1);
    EXPECT_EQ(walker.CountMovieFiles(U("F"), mask), 0);
    EXPECT_EQ(walker.CollectFolderRecords(U("F"), records), 0);
    EXPECT_TRUE(records.empty());
}

TEST_F(FolderWalks, APathThatWouldNotFit260UnitsIsSkippedNotCut) {
    const std::string folder = "C:\\" + std::string(230, 'f');
    fs.AddRecordings(folder, {"2401020304_A001.MOV", "2401020304_A001.MOV_and_a_much_longer_tail.MOV"});
    // The cut of the long name's path would name the short one.
    MovieFileRecordList records;
    uint32_t count = 0;
    walker.FillFolderTree(U(folder), tree, kNoTreeItem, &records, nullptr, false, true, &count, 0);
    EXPECT_EQ(Names(records), (std::vector<std::string>{"2401020304_A001.MOV"}));
    EXPECT_EQ(count, 1u);
}

TEST_F(FolderWalks, WholeSourceWalkPutsSubFoldersFirstInTwoGroupOrder) {
    fs.AddRecordings("S", {"2401020304_A009.MOV", "REC_0009.MOV"});
    fs.AddRecordings("S\\b", {"2401020304_A002.MOV", "REC_0002.MOV", "2401020304_A001.MOV"});
    fs.AddRecordings("S\\a\\inner", {"2401020304_A005.MOV", "ABC_0005.MOV"});
    fs.AddFile("S\\b\\readme.txt", false);
    MovieFileRecordList records;
    uint32_t count = 0;
    EXPECT_EQ(walker.CollectRecordsRecursive(U("S"), records, &count, 0), 1);
    EXPECT_EQ(Names(records), (std::vector<std::string>{
                                  // S\a has no files of its own: what was found below passes unchanged
                                  "ABC_0005.MOV", "2401020304_A005.MOV",
                                  // S\b holds files: two-group order
                                  "REC_0002.MOV", "2401020304_A001.MOV", "2401020304_A002.MOV",
                                  // S's own files, plain name order
                                  "2401020304_A009.MOV", "REC_0009.MOV"}));
    EXPECT_EQ(count, 2u);  // every file standing directly in S counts
}

TEST_F(FolderWalks, WholeSourceWalkHasNoThousandLimitButStopsAtDepthThree) {
    std::vector<std::string> names;
    for (int i = 0; i < 1200; ++i) names.push_back(Numbered(i));
    fs.AddRecordings("S", names);
    fs.AddRecordings("S\\1\\2\\3", {"2401020304_A001.MOV"});
    fs.AddRecordings("S\\1\\2\\3\\4", {"2401020304_A002.MOV"});
    MovieFileRecordList records;
    walker.CollectRecordsRecursive(U("S"), records, nullptr, 0);
    EXPECT_EQ(records.size(), 1201u);
    EXPECT_EQ(A(records.front().FullPath()), "S\\1\\2\\3\\2401020304_A001.MOV");
}

TEST_F(FolderWalks, VersionListingTakesKindPatternMovFilesByNameWithoutTheEngine) {
    fs.AddRecordings("F", {"2401020312_G002.MOV", "2401020304_A001.mov", "REC_0001.MOV"});
    fs.AddFile("F\\2401020304_A000.MP4");
    fs.AddFile("F\\2401020300_A000.MOV", false);  // not a recorder file: still listed
    fs.AddFolder("F\\2401020300_A999.MOV");
    MovieFileRecordList records;
    EXPECT_EQ(walker.CollectFolderRecords(U("F"), records), 1);
    EXPECT_EQ(Names(records),
              (std::vector<std::string>{"2401020300_A000.MOV", "2401020304_A001.mov", "2401020312_G002.MOV"}));
}

TEST_F(FolderWalks, TheRecordBuilderOpensTheFileForItsSize) {
    fs.AddFile("F\\2401020304_A001.MOV", true, 5ull << 30);
    fs.AddFile("F\\2401020304_A002.MOV");
    fs.MakeUnopenable("F\\2401020304_A002.MOV");
    MovieFileRecordList records;
    EXPECT_EQ(walker.AddMovieFileRecord(U("F\\2401020304_A001.MOV"), records, 4), 1);
    EXPECT_EQ(walker.AddMovieFileRecord(U("F\\2401020304_A002.MOV"), records, 0), 0);
    EXPECT_EQ(walker.AddMovieFileRecord(U("F\\missing.MOV"), records, 0), 0);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fileSize, 5ull << 30);
    EXPECT_EQ(records[0].groupNumber, 4u);
    EXPECT_EQ(counters.running, 1u);
}

TEST_F(FolderWalks, ScannedRecordsCarryTheListingsFullSize) {
    fs.AddFile("F\\2401020304_A001.MOV", true, (4ull << 30) + 512);
    MovieFileRecordList records;
    walker.FillFolderTree(U("F"), tree, kNoTreeItem, &records, nullptr, false, true, nullptr, 0);
    ASSERT_EQ(records.size(), 1u);
    EXPECT_EQ(records[0].fileSize, (4ull << 30) + 512);
}

TEST_F(FolderWalks, JoinPathRefusesWhatWouldPass259Units) {
    UiString out;
    EXPECT_TRUE(JoinPath(U(std::string(250, 'a')), U("12345678"), out));  // 259
    EXPECT_EQ(out.size(), 259u);
    EXPECT_FALSE(JoinPath(U(std::string(250, 'a')), U("123456789"), out));
}

}  // namespace
