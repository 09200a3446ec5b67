#include "browser/core/FilePanelCore.h"

#include <gtest/gtest.h>

#include "support/MemoryBrowser.h"

namespace {

using namespace browser_testing;

// The panel's logic with the main window's part played by the test: a
// change of the tree's selection opens that folder, as the main window's
// folder-selected handler does.
class FilePanel : public ::testing::Test {
protected:
    FilePanel() {
        tree.onSelect = [this](TreeItemId item) {
            if (!panel.clearing && item != kNoTreeItem) {
                panel.OpenFolderItem(item);
            }
        };
        for (int k = 0; k < kKindCount; ++k) list.showFlags[k] = 1;
    }

    MemoryFileSystem fs;
    MemoryProbe probe{fs};
    MemoryFolderTree tree;
    MemoryRecordingList list;
    MemoryHost host;
    FilePanelCore panel{fs, probe, tree, list, host};
};

TEST_F(FilePanel, AnSdCardWithDcimShowsOnlyFoldersHoldingRecordingsDirectly) {
    fs.AddRecordings("E:\\DCIM\\101MEDIA", {"2401020304_A001.MOV", "2401020312_G002.MOV"});
    fs.AddRecordings("E:\\DCIM\\100MEDIA", {"2401010101_P001.MOV"});
    fs.AddRecordings("E:\\DCIM\\102MEDIA\\deep", {"2401020304_A003.MOV"});
    fs.AddFolder("E:\\DCIM\\103EMPTY");
    fs.AddRecordings("E:\\MISC", {"2401020304_A004.MOV"});
    panel.OpenSource(U("E:"), kSourceSdCard);
    EXPECT_EQ(panel.sourceKind, kSourceSdCard);
    EXPECT_EQ(A(tree.RootPath()), "E:\\DCIM");
    EXPECT_EQ(host.watched, "E:\\DCIM");
    EXPECT_EQ(tree.ChildNames(kNoTreeItem), (std::vector<std::string>{"100MEDIA", "101MEDIA"}));
    const auto items = tree.Children(kNoTreeItem);
    EXPECT_EQ(tree.Mask(items[0]), kMaskParking);
    EXPECT_EQ(tree.Mask(items[1]), kMaskContinuous | kMaskImpact);
    ASSERT_EQ(panel.folderList.size(), 2u);
    // The first folder was selected and opened through the main window's path.
    EXPECT_EQ(tree.selected, items[0]);
    EXPECT_EQ(list.ShownNames(), (std::vector<std::string>{"2401010101_P001.MOV"}));
    EXPECT_EQ(host.pathText, "E:\\DCIM\\100MEDIA");
}

TEST_F(FilePanel, AnSdCardWithoutDcimShowsEveryTopFolderAndReadsNoVersion) {
    fs.AddRecordings("E:\\video", {"2401020304_A001.MOV"});
    fs.AddFolder("E:\\other");
    fs.AddRecordings("E:", {"2401020304_G009.MOV"});
    host.firmware["E:\\video\\2401020304_A001.MOV"] = "010203";
    panel.OpenSource(U("E:"), kSourceSdCard);
    EXPECT_EQ(A(tree.RootPath()), "E:");
    EXPECT_EQ(host.watched, "E:");
    EXPECT_EQ(tree.ChildNames(kNoTreeItem), (std::vector<std::string>{"other", "video"}));
    EXPECT_EQ(tree.Mask(tree.Children(kNoTreeItem)[0]), 0u);
    EXPECT_TRUE(panel.folderList.empty());
    EXPECT_TRUE(panel.recorderVersionText.empty());
    EXPECT_TRUE(host.recordsRead.empty());
}

TEST_F(FilePanel, ADcimWhoseFoldersHoldNoRecordingsListsWhatStandsInDcim) {
    fs.AddRecordings("E:\\DCIM", {"2401020304_A001.MOV"});
    fs.AddRecordings("E:\\DCIM\\100\\deeper", {"2401020304_A002.MOV"});
    panel.OpenSource(U("E:"), kSourceSdCard);
    EXPECT_EQ(tree.ItemCount(), 0u);
    EXPECT_EQ(list.ShownNames(), (std::vector<std::string>{"2401020304_A001.MOV"}));
    EXPECT_EQ(list.rows, (std::vector<std::string>{"2401020304_A001.MOV"}));
}

TEST_F(FilePanel, TheVersionTextComesFromTheGreatestFoldersFirstRecording) {
    fs.AddRecordings("E:\\DCIM\\100", {"2401010101_A001.MOV"});
    fs.AddRecordings("E:\\DCIM\\101", {"2401020312_G002.MOV", "2401020304_A001.MOV"});
    host.firmware["E:\\DCIM\\100\\2401010101_A001.MOV"] = "090909";
    host.firmware["E:\\DCIM\\101\\2401020304_A001.MOV"] = "010203";
    panel.OpenSource(U("E:"), kSourceSdCard);
    EXPECT_EQ(A(panel.recorderVersionText), "1.2.3");
    EXPECT_EQ(host.recordsRead, (std::vector<std::string>{"E:\\DCIM\\101\\2401020304_A001.MOV"}));
}

TEST_F(FilePanel, TheVersionTextIsEmptyWhenNoRecorderRecordWasRead) {
    fs.AddRecordings("E:\\DCIM\\100", {"2401010101_A001.MOV"});
    panel.OpenSource(U("E:"), kSourceSdCard);
    EXPECT_EQ(host.recordsRead.size(), 1u);
    EXPECT_TRUE(panel.recorderVersionText.empty());  // never "0.0.0"
}

TEST_F(FilePanel, TheVersionTextIsEmptyWhileTheEngineIsOff) {
    fs.AddRecordings("E:\\DCIM\\100", {"2401010101_A001.MOV"});
    host.firmware["E:\\DCIM\\100\\2401010101_A001.MOV"] = "010203";
    panel.OpenSource(U("E:"), kSourceSdCard);
    ASSERT_EQ(A(panel.GetRecorderVersionText()), "1.2.3");
    probe.ready = false;
    EXPECT_TRUE(panel.GetRecorderVersionText().empty());
}

TEST_F(FilePanel, AFolderSourceIsOneTopItemUnderItsParent) {
    fs.AddRecordings("C:\\rec\\trip", {"2401020312_G002.MOV", "2401020304_A001.MOV"});
    fs.AddRecordings("C:\\rec\\trip\\day2", {"2401030304_A001.MOV"});
    fs.AddFolder("C:\\rec\\trip\\day1");
    for (const char* path : {"C:\\rec\\trip", "C:\\rec\\trip\\"}) {
        panel.OpenSource(U(path), kSourceFolder);
        EXPECT_EQ(A(tree.RootPath()), "C:\\rec") << path;
        EXPECT_EQ(host.watched, "C:\\rec") << path;
        EXPECT_EQ(tree.ChildNames(kNoTreeItem), (std::vector<std::string>{"trip"})) << path;
        const TreeItemId top = tree.FirstTopItem();
        EXPECT_EQ(tree.ChildNames(top), (std::vector<std::string>{"day1", "day2"})) << path;
        EXPECT_EQ(list.ShownNames(), (std::vector<std::string>{"2401020304_A001.MOV", "2401020312_G002.MOV"}));
        EXPECT_EQ(A(tree.GetItemPath(tree.Children(top)[1])), "C:\\rec\\trip\\day2");
        tree.DeleteAllItems();
    }
}

TEST_F(FilePanel, ADriveRootAsFolderSourceWatchesTheRootItself) {
    fs.AddRecordings("C:", {"2401020304_A001.MOV"});
    panel.OpenSource(U("C:\\"), kSourceFolder);
    EXPECT_EQ(panel.sourceKind, kSourceFolder);
    EXPECT_EQ(host.watched, "C:\\");
    EXPECT_EQ(list.ShownNames(), (std::vector<std::string>{"2401020304_A001.MOV"}));
}

TEST_F(FilePanel, AnEmptyPathOpensNothing) {
    for (const SourceKind kind : {kSourceSdCard, kSourceFolder, kSourceFile}) {
        panel.OpenSource(U(""), kind);
        EXPECT_EQ(panel.sourceKind, kSourceNone);
        EXPECT_EQ(fs.probes, 0);
        EXPECT_EQ(tree.ItemCount(), 0u);
    }
    panel.OpenSource(U("\\"), kSourceFolder);
    EXPECT_EQ(panel.sourceKind, kSourceNone);
    EXPECT_EQ(tree.ItemCount(), 0u);
}

TEST_F(FilePanel, ASingleFileShowsOneSelectedRowAndItsFolder) {
    fs.AddRecordings("C:\\rec", {"2401020304_A001.MOV", "2401020312_G002.MOV"});
    panel.OpenSource(U("C:\\rec\\2401020312_G002.MOV"), kSourceFile);
    EXPECT_EQ(panel.sourceKind, kSourceFile);
    EXPECT_EQ(list.rows, (std::vector<std::string>{"2401020312_G002.MOV"}));
    EXPECT_EQ(list.selectedRow, 0);
    EXPECT_EQ(list.currentIndex, 0);
    EXPECT_EQ(host.pathText, "C:\\rec");
    EXPECT_EQ(host.watched, "C:\\rec\\2401020312_G002.MOV");
    EXPECT_EQ(A(tree.RootPath()), "C:\\rec");
    EXPECT_EQ(tree.ItemCount(), 0u);
}

TEST_F(FilePanel, ASingleFileTheRecorderTestRejectsShowsNothing) {
    fs.AddFile("C:\\rec\\2401020304_A001.MOV", false);
    panel.OpenSource(U("C:\\rec\\2401020304_A001.MOV"), kSourceFile);
    EXPECT_TRUE(list.rows.empty());
    EXPECT_TRUE(host.watched.empty());
}

TEST_F(FilePanel, TheStartUpSourceIsTheLastRemovableDriveThatExists) {
    fs.AddRecordings("F:\\DCIM\\100", {"2401020304_A001.MOV"});
    fs.AddRecordings("G:\\DCIM\\100", {"2401020304_G001.MOV"});
    host.drives = {"F:\\", "G:\\", "H:\\"};  // H: has no medium
    host.settings["FOLDER"] = "C:\\rec";
    fs.AddFolder("C:\\rec");
    const auto choice = panel.ChooseInitialSource();
    ASSERT_TRUE(choice);
    EXPECT_EQ(A(choice->path), "G:");
    EXPECT_EQ(choice->kind, kSourceSdCard);
    EXPECT_EQ(panel.OpenInitialSource(), 1);
    EXPECT_EQ(list.ShownNames(), (std::vector<std::string>{"2401020304_G001.MOV"}));
    EXPECT_EQ(host.pathText, "G:\\DCIM\\100");
}

TEST_F(FilePanel, TheStartUpSourceFallsBackToTheStoredFolderThenFile) {
    host.settings["FOLDER"] = "C:\\gone";
    host.settings["FILE"] = "C:\\rec\\2401020304_A001.MOV";
    fs.AddRecordings("C:\\rec", {"2401020304_A001.MOV"});
    auto choice = panel.ChooseInitialSource();
    ASSERT_TRUE(choice);
    EXPECT_EQ(choice->kind, kSourceFile);
    // A single file leaves the tree empty: no folder to show.
    EXPECT_EQ(panel.OpenInitialSource(), 0);
    EXPECT_EQ(list.rows.size(), 1u);
    fs.AddFolder("C:\\gone");
    choice = panel.ChooseInitialSource();
    EXPECT_EQ(choice->kind, kSourceFolder);
    host.settings.clear();
    EXPECT_FALSE(panel.ChooseInitialSource());
    EXPECT_EQ(panel.OpenInitialSource(), 0);
}

TEST_F(FilePanel, SwitchingAFilterOffSelectsRowZeroOfWhatRemains) {
    fs.AddRecordings("C:\\rec", {"2401020304_A001.MOV", "2401020312_G002.MOV", "2401020320_G003.MOV"});
    panel.OpenSource(U("C:\\rec"), kSourceFolder);
    panel.SelectRow(2, kOriginUser);
    list.currentIndex = 2;
    panel.SetKindFilter(1, false);  // 'G' off: the current row is hidden
    EXPECT_EQ(list.rows, (std::vector<std::string>{"2401020304_A001.MOV"}));
    EXPECT_EQ(list.selectedRow, 0);
    EXPECT_EQ(list.currentIndex, 0);
    EXPECT_EQ(panel.filterChanged, 1u);
}

TEST_F(FilePanel, AFilterChangeThatPutsAnotherRecordingInTheCurrentRowAsksForItToOpen) {
    fs.AddRecordings("C:\\rec", {"2401020304_A001.MOV", "2401020312_G002.MOV"});
    panel.OpenSource(U("C:\\rec"), kSourceFolder);
    panel.SelectFirstRow();  // row 0 (the 'A' recording) is the current clip
    panel.selectionOrigin = kOriginUser;
    panel.SetKindFilter(0, false);
    ASSERT_EQ(list.rows, (std::vector<std::string>{"2401020312_G002.MOV"}));
    EXPECT_EQ(list.selectedRow, 0);
    // Not 0: the main window's handler must not take it as a click on the playing clip.
    EXPECT_EQ(panel.selectionOrigin, kOriginKindFilter);
}

TEST_F(FilePanel, SelectRowSetsTheOriginAndShowsTheRow) {
    fs.AddRecordings("C:\\rec", {"2401020304_A001.MOV", "2401020312_G002.MOV"});
    panel.OpenSource(U("C:\\rec"), kSourceFolder);
    panel.SelectRow(1, kOriginNextClip);
    EXPECT_EQ(panel.selectionOrigin, kOriginNextClip);
    EXPECT_EQ(list.currentIndex, 1);
    EXPECT_EQ(list.selectedRow, 1);
    EXPECT_EQ(list.visibleRow, 1);
    panel.SelectRow(5, kOriginUser);  // outside: only made visible
    EXPECT_EQ(list.currentIndex, 1);
    EXPECT_EQ(list.visibleRow, 5);
}

TEST_F(FilePanel, OpeningAFolderItemRefillsItsChildrenAtItsDepth) {
    fs.AddRecordings("C:\\rec\\a\\b\\c\\d", {"2401020304_A001.MOV"});
    fs.AddRecordings("C:\\rec\\a\\b", {"2401020304_A002.MOV"});
    panel.OpenSource(U("C:\\rec"), kSourceFolder);
    const TreeItemId top = tree.FirstTopItem();
    const TreeItemId a = tree.Children(top)[0];
    EXPECT_EQ(panel.OpenFolderItem(a), 0);
    const TreeItemId b = tree.Children(a)[0];
    EXPECT_EQ(panel.OpenFolderItem(b), 1);
    EXPECT_EQ(host.pathText, "C:\\rec\\a\\b");
    EXPECT_TRUE(tree.Expanded(b) && tree.Expanded(a) && tree.Expanded(top));
    const TreeItemId c = tree.Children(b)[0];
    // c has three ancestors: its children are not inserted.
    EXPECT_EQ(panel.OpenFolderItem(c), 0);
    EXPECT_TRUE(tree.Children(c).empty());
    tree.unreadable.insert(c);
    EXPECT_EQ(panel.OpenFolderItem(c), 0);
}

TEST_F(FilePanel, CollectAllRecordsWalksTheWholeSourceByKind) {
    fs.AddRecordings("E:\\DCIM\\100", {"2401020304_A001.MOV"});
    fs.AddRecordings("E:\\DCIM\\101", {"2401020304_A002.MOV"});
    panel.OpenSource(U("E:"), kSourceSdCard);
    EXPECT_EQ(panel.CollectAllRecords().size(), 2u);
    const SourceSnapshot snapshot = panel.Snapshot();
    EXPECT_EQ(CollectSourceRecords(fs, probe, snapshot).size(), 2u);

    fs.AddRecordings("C:\\rec", {"2401020304_A001.MOV"});
    fs.AddRecordings("C:\\rec\\sub", {"2401020304_A002.MOV", "2401020304_A003.MOV"});
    panel.Clear(true);  // as the main window does before every opening
    panel.OpenSource(U("C:\\rec"), kSourceFolder);
    const auto& folder = panel.CollectAllRecords();
    ASSERT_EQ(folder.size(), 3u);
    EXPECT_EQ(A(folder[0].FullPath()), "C:\\rec\\sub\\2401020304_A002.MOV");
    EXPECT_EQ(folder[0].runningNumber, 0u);

    panel.Clear(true);
    panel.OpenSource(U("C:\\rec\\2401020304_A001.MOV"), kSourceFile);
    ASSERT_EQ(panel.CollectAllRecords().size(), 1u);
}

TEST_F(FilePanel, ClearEmptiesTreeListsAndPathButNotTheExportList) {
    fs.AddRecordings("E:\\DCIM\\100", {"2401020304_A001.MOV"});
    panel.OpenSource(U("E:"), kSourceSdCard);
    panel.CollectAllRecords();
    int openedWhileClearing = 0;
    tree.onSelect = [&](TreeItemId) { openedWhileClearing += panel.clearing ? 0 : 1; };
    panel.Clear(true);
    EXPECT_EQ(openedWhileClearing, 0);
    EXPECT_EQ(tree.ItemCount(), 0u);
    EXPECT_TRUE(panel.folderList.empty());
    EXPECT_TRUE(list.allRecords.empty());
    EXPECT_TRUE(list.shownRecords.empty());
    EXPECT_TRUE(list.rows.empty());
    EXPECT_TRUE(host.pathText.empty());
    EXPECT_EQ(panel.exportList.size(), 1u);
    EXPECT_EQ(panel.clearing, 0u);
}

TEST(ItemPath, JoinsNamesUnderTheRootPath) {
    MemoryFolderTree tree;
    const TreeItemId top = tree.InsertLast(kNoTreeItem, U("trip"), 0);
    const TreeItemId child = tree.InsertLast(top, U("day1"), 0);
    tree.SetRootPath(U("C:\\rec"));
    EXPECT_EQ(A(tree.GetItemPath(child)), "C:\\rec\\trip\\day1");
    tree.SetRootPath(U(""));
    EXPECT_EQ(A(tree.GetItemPath(top)), "trip");
    EXPECT_EQ(A(tree.GetItemPath(child)), "trip\\day1");
    EXPECT_TRUE(tree.GetItemPath(kNoTreeItem).empty());
    tree.unreadable.insert(top);
    EXPECT_TRUE(tree.GetItemPath(child).empty());
    EXPECT_EQ(tree.ItemDepth(child), 1);
}

TEST(SourcePaths, FollowTheShellsRules) {
    EXPECT_EQ(A(WithoutSlashes(U("E:\\"))), "E:");
    EXPECT_EQ(A(WithoutTrailingSlash(U("C:\\rec\\"))), "C:\\rec");
    EXPECT_EQ(A(ParentPath(U("C:\\rec\\trip"))), "C:\\rec");
    EXPECT_EQ(A(ParentPath(U("trip"))), "");
    EXPECT_EQ(A(FolderOfFile(U("C:\\rec\\a.MOV"))), "C:\\rec");
    EXPECT_EQ(A(FolderOfFile(U("C:\\a.MOV"))), "C:\\");
    EXPECT_EQ(A(FolderOfFile(U("a.MOV"))), "");
}

}  // namespace
