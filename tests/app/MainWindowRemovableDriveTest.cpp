// An SD card at start-up: the main window opens the card's "\DCIM" folder
// and, since the card holds recordings, offers the CSV export. Runs only
// where the test run provides a removable drive (OSTRILEX_REMOVABLE_DRIVE).
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdlib>
#include <cstring>

#include "TestRecordings.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "support/MessagePump.h"
#include "ui/core/UiTextTable.h"

namespace {

using Access = CkadomirDlgTestAccess;

class MainWindowOnACard : public testing_support::MainWindowTest {
protected:
    void SetUp() override {
        const char* root = std::getenv("OSTRILEX_REMOVABLE_DRIVE");
        if (root == nullptr) {
            GTEST_SKIP() << "no removable drive in this run";
        }
        MainWindowTest::SetUp();
        card_ = std::wstring(root, root + std::strlen(root));
        const std::wstring folder = card_ + L"DCIM\\100MEDIA";
        CreateDirectoryW((card_ + L"DCIM").c_str(), nullptr);
        CreateDirectoryW(folder.c_str(), nullptr);
        for (const char* name : {"2401020304_A001.MOV", "2401020312_G002.MOV"}) {
            const std::wstring target = folder + L"\\" + std::wstring(name, name + std::strlen(name));
            ASSERT_TRUE(CopyFileW(TestRecordingPath(name).wstring().c_str(), target.c_str(), FALSE)) << name;
        }
    }

    // The card goes: the folder behind its drive letter disappears (moved
    // aside, and back for the next test).
    bool PullTheCard() {
        const char* folder = std::getenv("OSTRILEX_REMOVABLE_DRIVE_FOLDER");
        pulledFrom_ = folder != nullptr ? std::wstring(folder, folder + std::strlen(folder)) : L"";
        return !pulledFrom_.empty() && MoveFileW(pulledFrom_.c_str(), (pulledFrom_ + L".pulled").c_str());
    }
    void TearDown() override {
        if (!pulledFrom_.empty()) {
            MoveFileW((pulledFrom_ + L".pulled").c_str(), pulledFrom_.c_str());
        }
        MainWindowTest::TearDown();
    }

    std::wstring pulledFrom_;
    std::wstring card_;
};

TEST_F(MainWindowOnACard, OpensTheCardsRecordingFolderAndOffersTheCsvExport) {
    // A folder in the settings loses to the card.
    WriteSetting(L"SOURCE", L"FOLDER", folder.Path().c_str());
    Start();
    ASSERT_EQ(ListView_GetItemCount(Child(1001)), 2);
    wchar_t path[MAX_PATH] = L"";
    GetWindowTextW(Child(38500), path, MAX_PATH);
    EXPECT_EQ(std::wstring(path), card_ + L"DCIM\\100MEDIA");
    EXPECT_EQ(Access::NoSource(*dialog), 0);
    EXPECT_TRUE(IsWindowEnabled(Child(38012)));
    // Joining needs a card too.
    EXPECT_TRUE(IsWindowEnabled(Child(38007)));
}

// A drive root chosen as a folder source has no parent folder to watch; the
// root itself is watched, so losing the drive is reported.
TEST_F(MainWindowOnACard, LosingADriveRootChosenAsFolderIsReported) {
    Start();
    CFilerContainer& panel = Access::FilePanel(*dialog);
    panel.OpenSource(card_, kSourceFolder);
    ASSERT_EQ(panel.Resource().WatchedPathText(), card_);
    ASSERT_TRUE(PullTheCard());
    EXPECT_TRUE(testing_support::PumpUntil([&] { return panel.Resource().LastLostPath() == card_; }, 3000));
}

// A card has no recycle bin: before anything goes, the user is told that
// it is gone for good.
TEST_F(MainWindowOnACard, DeletingFromTheCardAsksFirstThatTheFilesAreGoneForGood) {
    Start();
    ASSERT_TRUE(OpenChosenClip());
    selectionTicks = {1};
    prompts.QueueMessageAnswer(IDCANCEL);
    Command(38010);
    ASSERT_TRUE(FinishJob());
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, UiText(143));
    EXPECT_EQ(prompts.Messages()[0].type & MB_OKCANCEL, static_cast<UINT>(MB_OKCANCEL));
    EXPECT_EQ(FilesIn(card_ + L"DCIM\\100MEDIA").size(), 2u);
}

}  // namespace
