#include "ui/shared/FolderBrowser.h"

#include <gtest/gtest.h>

#include "framework/UserPrompts.h"
#include "framework/WorkerThread.h"
#include "support/HostWindow.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/IniFile.h"
#include "ui/shared/ProgramFolder.h"

namespace {

using Outcome = fw::FolderChoice::Outcome;

class FolderBrowser : public ::testing::Test {
protected:
    void SetUp() override {
        testing_support::CurrentDirectory inFolder(folder.Path());
        RecordProgramFolder();
    }

    testing_support::TempFolder folder;
    testing_support::ScriptedPrompts prompts;
    fw::ScopedPrompts scoped{prompts};
    testing_support::HostWindow owner;
};

TEST_F(FolderBrowser, StartsAtTheStoredFolderOrElseTheProgramFolder) {
    prompts.QueueFolder({Outcome::Chosen, L"D:\\csv"});
    EXPECT_EQ(BrowseForFolder(owner.Handle(), L"FOLDERPATH", L"CSV_FOLDER", L"出力先"), L"D:\\csv");
    ASSERT_TRUE(WriteIniString(L"FOLDERPATH", L"CSV_FOLDER", L"E:\\exports"));
    prompts.QueueFolder({Outcome::Chosen, L"D:\\csv"});
    BrowseForFolder(owner.Handle(), L"FOLDERPATH", L"CSV_FOLDER", L"出力先");

    const auto requests = prompts.FolderRequests();
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0].startFolder, folder.Path());
    EXPECT_EQ(requests[0].title, L"出力先");
    EXPECT_EQ(requests[0].owner, owner.Handle());
    EXPECT_EQ(requests[1].startFolder, L"E:\\exports");
    // The choice is the caller's to store.
    EXPECT_EQ(ReadIniString(L"FOLDERPATH", L"CSV_FOLDER"), L"E:\\exports");
}

TEST_F(FolderBrowser, CancellingGivesNothingAndShowsNothing) {
    prompts.QueueFolder({Outcome::Cancelled, L""});
    EXPECT_EQ(BrowseForFolder(owner.Handle(), L"SOURCE", L"FOLDER", L"t"), L"");
    EXPECT_TRUE(prompts.Messages().empty());
}

TEST_F(FolderBrowser, AChoiceWithoutPathIsReportedOnTheOwner) {
    const int savedRow = UiTextVariant.exchange(0);
    prompts.QueueFolder({Outcome::NoPath, L""});
    EXPECT_EQ(BrowseForFolder(owner.Handle(), L"SOURCE", L"FOLDER", L"t"), L"");
    const auto messages = prompts.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].owner, owner.Handle());
    EXPECT_EQ(messages[0].caption, L"ERROR");
    EXPECT_EQ(messages[0].text, L"フォルダパスの取得に失敗しました。");
    EXPECT_EQ(messages[0].type, static_cast<UINT>(MB_OK));
    UiTextVariant = savedRow;
}

TEST_F(FolderBrowser, WorkersMayAskToo) {
    prompts.QueueFolder({Outcome::Chosen, L"D:\\joined"});
    std::wstring chosen;
    fw::WorkerThread worker([&] {
        chosen = BrowseForFolder(nullptr, L"FOLDERPATH", L"CONNECT_FOLDER", L"t");
        return 0u;
    });
    worker.Resume();
    ASSERT_EQ(worker.Wait(5000), WAIT_OBJECT_0);
    EXPECT_EQ(chosen, L"D:\\joined");
}

}  // namespace
