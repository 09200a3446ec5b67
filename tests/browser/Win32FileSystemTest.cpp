#include <gtest/gtest.h>

#include "SparseFile.h"
#include "browser/core/FolderWalks.h"
#include "browser/platform/HostFileSystem.h"
#include "support/MemoryBrowser.h"
#include "support/TempFolder.h"

namespace {

TEST(Win32FileSystem, GivesTheFull64BitSizeOfAFiveGibibyteFile) {
    testing_support::TempFolder folder;
    const std::wstring path = folder.File(L"2401020304_A001.MOV");
    ASSERT_TRUE(MakeSparseFile(path, 5ull << 30, {{0, "ftyp"}}));
    EXPECT_EQ(HostFileSystem().OpenFileSize(path), std::optional<uint64_t>(5ull << 30));
    FolderListing entries;
    ASSERT_TRUE(HostFileSystem().ListFolder(folder.Path(), entries));
    bool found = false;
    for (const FolderEntry& entry : entries) {
        if (entry.name == L"2401020304_A001.MOV") {
            found = true;
            EXPECT_EQ(entry.size, 5ull << 30);
        }
    }
    EXPECT_TRUE(found);

    browser_testing::MemoryFileSystem unused;
    browser_testing::MemoryProbe probe(unused);
    RecordCounters counters;
    FolderWalker walker(HostFileSystem(), probe, counters);
    MovieFileRecordList records;
    ASSERT_EQ(walker.AddMovieFileRecord(path, records, 0), 1);
    EXPECT_EQ(records[0].fileSize, 5ull << 30);  // not 1 GiB
}

TEST(Win32FileSystem, ListsDotEntriesAndRefusesAPatternThatWouldNotFit) {
    testing_support::TempFolder folder;
    FolderListing entries;
    ASSERT_TRUE(HostFileSystem().ListFolder(folder.Path(), entries));
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_TRUE(entries[0].directory);
    EXPECT_FALSE(HostFileSystem().ListFolder(L"C:\\" + std::wstring(256, L'x'), entries));
}

}  // namespace
