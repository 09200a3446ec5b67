// An SD card: drive R: of type floppy (wine-exec --with-removable-drive),
// which Wine reports as removable. The run named browser_sd_card provides
// it; without it these tests are skipped.

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>

#include "browser/CFilerContainer.h"
#include "framework/Application.h"
#include "support/MessagePump.h"
#include "support/PanelHost.h"
#include "support/TempFolder.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/ProgramFolder.h"

namespace {

using namespace browser_testing;
using testing_support::RemoveTree;

std::wstring CardRoot() {
    const char* root = std::getenv("OSTRILEX_REMOVABLE_DRIVE");
    return root ? std::wstring(root, root + std::strlen(root)) : std::wstring();
}


class SdCard : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = CardRoot();  // "R:\"
        if (root_.empty()) {
            GTEST_SKIP() << "no removable drive in this run";
        }
        fw::RegisterCommonControls();
        testing_support::CurrentDirectory inFolder(programFolder_.Path());
        RecordProgramFolder();
        dcim_ = root_ + L"DCIM";
        RemoveTree(dcim_);
        MakeFolder(dcim_);
        // 100MEDIA: impact and parking recordings; 101ドライブ, the newest
        // folder, named in Japanese as a user may rename it: a continuous
        // recording (firmware digits 01 02 03) first by name, and an impact
        // one (02 10 31).
        MakeFolder(dcim_ + L"\\100MEDIA");
        ASSERT_TRUE(CopyRecording("2401020312_G002.MOV", dcim_ + L"\\100MEDIA\\2401010312_G001.MOV"));
        ASSERT_TRUE(CopyRecording("2401020304_A001.MOV", dcim_ + L"\\100MEDIA\\2401010320_P002.MOV"));
        WriteText(dcim_ + L"\\100MEDIA\\INDEX.DAT", "index");
        MakeFolder(dcim_ + L"\\101ドライブ");
        ASSERT_TRUE(CopyRecording("2401020304_A001.MOV", dcim_ + L"\\101ドライブ\\2401020304_A001.MOV"));
        ASSERT_TRUE(CopyRecording("2401020312_G002.MOV", dcim_ + L"\\101ドライブ\\2401020312_G002.MOV"));
        // Recordings only further down, and none at all: no items.
        MakeFolder(dcim_ + L"\\102DEEP");
        MakeFolder(dcim_ + L"\\102DEEP\\inner");
        ASSERT_TRUE(CopyRecording("2401020304_A001.MOV", dcim_ + L"\\102DEEP\\inner\\2401030304_A001.MOV"));
        MakeFolder(dcim_ + L"\\103EMPTY");
        ASSERT_TRUE(CopyRecording("2401020304_A001.MOV", dcim_ + L"\\2401040404_S001.MOV"));
    }
    void TearDown() override {
        if (!dcim_.empty()) {
            RemoveTree(dcim_);
        }
    }

    std::wstring root_;
    std::wstring dcim_;
    testing_support::TempFolder programFolder_;
};

TEST_F(SdCard, OpensAtDcimWithFoldersThatHoldRecordingsDirectly) {
    ReadyEngine engine;
    CFilerContainer panel;
    PanelHost host(panel);
    panel.Create(host.Handle(), &host);
    RECT r = host.video;
    panel.LayoutSideBySide(r);

    EXPECT_EQ(panel.OpenInitialSource(host.video, 0), 1);
    EXPECT_EQ(panel.GetSourceKind(), kSourceSdCard);
    EXPECT_EQ(panel.SourcePath(), root_.substr(0, 2));  // "R:"
    EXPECT_EQ(panel.Tree().RootPath(), dcim_);
    EXPECT_EQ(panel.Resource().WatchedPathText(), dcim_);
    EXPECT_EQ(host.TreeChildren(nullptr), (std::vector<std::wstring>{L"100MEDIA", L"101ドライブ"}));
    const HTREEITEM first = panel.Tree().GetRoot();
    const HTREEITEM second = panel.Tree().GetNextSiblingItem(first);
    EXPECT_EQ(panel.Tree().GetItemData(first), static_cast<LPARAM>(4 | 8));  // G and P
    EXPECT_EQ(panel.Tree().GetItemData(second), static_cast<LPARAM>(1 | 4));  // A and G
    ASSERT_EQ(panel.FolderList().size(), 2u);
    EXPECT_EQ(panel.FolderList()[0].fileSize, 0xFFFFFFFFFFFFFFFFull);
    // The first folder is selected and listed.
    EXPECT_EQ(panel.Tree().GetSelection(), first);
    EXPECT_EQ(host.Rows(), (std::vector<std::wstring>{L"2401010312_G001", L"2401010320_P002"}));
    wchar_t edit[MAX_PATH] = L"";
    GetWindowTextW(panel.PathEdit(), edit, MAX_PATH);
    EXPECT_EQ(std::wstring(edit), dcim_ + L"\\100MEDIA");
    // Firmware digits 0,1,0,2,0,3 of the newest folder's first recording.
    EXPECT_EQ(panel.RecorderVersionText(), L"1.2.3");
    // The whole card for export and delete: every folder below "\DCIM".
    EXPECT_EQ(panel.CollectAllRecords().size(), 6u);
}

TEST_F(SdCard, PullingTheCardPostsSourceLostOnce) {
    ReadyEngine engine;
    CFilerContainer panel;
    PanelHost host(panel);
    panel.Create(host.Handle(), &host);
    panel.OpenSource(root_.substr(0, 2), kSourceSdCard);
    ASSERT_EQ(panel.Resource().WatchedPathText(), dcim_);
    testing_support::PumpUntil([] { return false; }, 300);
    EXPECT_EQ(host.sourceLost, 0);
    RemoveTree(dcim_);
    EXPECT_TRUE(testing_support::PumpUntil([&] { return host.sourceLost > 0; }, 2000));
    testing_support::PumpUntil([] { return false; }, 500);
    EXPECT_EQ(host.sourceLost, 1);
    EXPECT_TRUE(panel.Resource().WatchedPathText().empty());
    EXPECT_EQ(panel.Resource().LastLostPath(), dcim_);
    dcim_.clear();
}

}  // namespace
