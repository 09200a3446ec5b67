// The walks on real folders of fixture recordings, through the host's file
// system and the engine's own recorder-file test: natively on POSIX, under
// Wine through FindFirstFileW and CreateFileW.

#include <gtest/gtest.h>

#include <filesystem>

#include "PlayerEngine.h"
#include "TestRecordings.h"
#include "browser/core/EngineRecorderProbe.h"
#include "browser/core/FolderWalks.h"
#include "browser/core/HostPath.h"
#include "browser/platform/HostFileSystem.h"
#include "support/MemoryBrowser.h"

namespace {

namespace fs = std::filesystem;
using browser_testing::A;

UiString UiPath(const fs::path& path) {
#ifdef _WIN32
    return path.wstring();
#else
    return UiFromUtf8(path.string());
#endif
}

class HostFolderScan : public ::testing::Test {
protected:
    void SetUp() override {
        FillPlayerEngineTable(table_);
        ASSERT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 1);
        engine_.PlayerEngineReady = 1;
        const fs::path plain = TestRecordingPath("2401020304_A001.MOV");
        const fs::path impact = TestRecordingPath("2401020312_G002.MOV");
        fs::copy_file(plain, scratch_ / "2401020304_A001.MOV");
        fs::copy_file(impact, scratch_ / "2401020312_G002.MOV");
        fs::create_directories(scratch_ / "100MEDIA");
        fs::copy_file(impact, scratch_ / "100MEDIA" / "2401050505_S005.MOV");
        fs::copy_file(plain, scratch_ / "100MEDIA" / "REC_0001.MOV");
        WriteWholeFile(scratch_ / "notes.txt", {'h', 'i'});
        WriteWholeFile(scratch_ / "2401020399_A999.MOV", {'n', 'o', 't', ' ', 'a', ' ', 'm', 'o', 'v', 'i', 'e'});
        // The recorder test needs "ftyp" first and "CSMEND" 18 bytes from the end.
        std::vector<uint8_t> cut = ReadWholeFile(plain);
        cut.resize(cut.size() - 30);
        WriteWholeFile(scratch_ / "2401020398_A998.MOV", cut);
    }
    void TearDown() override {
        engine_.PlayerEngineReady = 0;
        PlayerEngine::Uninit(&engine_);
    }

    PlayerEngine engine_;
    PlayerEngineTable table_{};
    ScratchFolder scratch_;
};

TEST_F(HostFolderScan, ListsOnlyRecorderFilesWithTheirFullSizes) {
    EngineRecorderProbe probe(engine_, table_);
    RecordCounters counters;
    FolderWalker walker(HostFileSystem(), probe, counters);
    browser_testing::MemoryFolderTree tree;
    MovieFileRecordList records;
    uint32_t count = 0;
    const UiString root = UiPath(scratch_.path());
    walker.FillFolderTree(root, tree, kNoTreeItem, &records, nullptr, false, true, &count, 0);
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(count, 2u);
    EXPECT_EQ(A(records[0].FileName()), "2401020304_A001.MOV");
    EXPECT_EQ(A(records[1].FileName()), "2401020312_G002.MOV");
    EXPECT_EQ(records[0].fileSize, fs::file_size(scratch_ / "2401020304_A001.MOV"));
    EXPECT_EQ(tree.ChildNames(kNoTreeItem), (std::vector<std::string>{"100MEDIA"}));

    uint32_t mask = 0;
    EXPECT_EQ(walker.CountMovieFiles(root + UI_TEXT("\\100MEDIA"), mask), 1);
    EXPECT_EQ(mask, 16u);

    MovieFileRecordList all;
    walker.CollectRecordsRecursive(root, all, nullptr, 0);
    ASSERT_EQ(all.size(), 4u);
    EXPECT_EQ(A(all[0].FileName()), "REC_0001.MOV");
    EXPECT_EQ(A(all[1].FileName()), "2401050505_S005.MOV");
}

TEST_F(HostFolderScan, NoFileIsAcceptedWhileTheEngineIsNotReady) {
    engine_.PlayerEngineReady = 0;
    EngineRecorderProbe probe(engine_, table_);
    RecordCounters counters;
    FolderWalker walker(HostFileSystem(), probe, counters);
    MovieFileRecordList all;
    walker.CollectRecordsRecursive(UiPath(scratch_.path()), all, nullptr, 0);
    EXPECT_TRUE(all.empty());
}

TEST_F(HostFolderScan, TheRecordBuilderOpensTheFileAndTheFileSystemAnswersExistence) {
    const BrowserFileSystem& host = HostFileSystem();
    const UiString root = UiPath(scratch_.path());
    EXPECT_TRUE(host.PathExists(root));
    EXPECT_TRUE(host.PathExists(root + UI_TEXT("\\notes.txt")));
    EXPECT_FALSE(host.PathExists(root + UI_TEXT("\\missing")));
    EXPECT_EQ(host.OpenFileSize(root + UI_TEXT("\\notes.txt")), std::optional<uint64_t>(2));
    EXPECT_FALSE(host.OpenFileSize(root + UI_TEXT("\\missing.MOV")));
    FolderListing entries;
    EXPECT_FALSE(host.ListFolder(root + UI_TEXT("\\missing"), entries));
}

}  // namespace
