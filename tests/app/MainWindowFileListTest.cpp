// The file panel in the main window: the source the settings name is
// opened at start-up and its recordings listed; the panel's controls follow
// the window's control rules and are emptied at teardown.
#include <gtest/gtest.h>

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstring>

#include "TestRecordings.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"

namespace {

using Access = CkadomirDlgTestAccess;

const char* const kRecordings[] = {"2401020304_A001.MOV", "2401020312_G002.MOV", "2401020320_M003.MOV",
                                   "2401020330_P004.MOV"};

class MainWindowFileList : public testing_support::MainWindowTest {
protected:
    void CopyRecordings(const std::wstring& folder) {
        CreateDirectoryW(folder.c_str(), nullptr);
        for (const char* name : kRecordings) {
            const std::wstring target = folder + L"\\" + std::wstring(name, name + std::strlen(name));
            ASSERT_TRUE(CopyFileW(TestRecordingPath(name).wstring().c_str(), target.c_str(), FALSE)) << name;
        }
    }

    int Rows() const { return ListView_GetItemCount(Child(1001)); }
    std::wstring RowText(int row) const {
        wchar_t text[64] = L"";
        ListView_GetItemText(Child(1001), row, 0, text, 64);
        return text;
    }

    testing_support::TempFolder samples;
};

TEST_F(MainWindowFileList, OpensTheFolderTheSettingsNameAndListsItsRecordings) {
    // A Japanese folder name, as the program's users have them.
    const std::wstring japanese = samples.File(L"ドライブ記録 2025");
    CopyRecordings(japanese);
    WriteSetting(L"SOURCE", L"SELECT", L"FOLDER");
    WriteSetting(L"SOURCE", L"FOLDER", japanese.c_str());
    Start();

    ASSERT_EQ(Rows(), 4);
    EXPECT_EQ(RowText(0), L"2401020304_A001");
    EXPECT_EQ(ListView_GetNextItem(Child(1001), -1, LVNI_SELECTED), 0);
    const HWND tree = Child(38300);
    EXPECT_EQ(TreeView_GetCount(tree), 1u);
    EXPECT_NE(TreeView_GetSelection(tree), nullptr);
    wchar_t path[MAX_PATH] = L"";
    GetWindowTextW(Child(38500), path, MAX_PATH);
    EXPECT_EQ(std::wstring(path), japanese);
    // A folder is no source for the CSV export.
    EXPECT_EQ(Access::NoSource(*dialog), 1);
    EXPECT_FALSE(IsWindowEnabled(Child(38012)));
}

TEST_F(MainWindowFileList, PlacesThePanelBesideTheVideoUnderTheMap) {
    Start();
    for (int id : {1001, 38300, 38500, 38700, 38701, 38702, 38703, 38704}) {
        ASSERT_NE(Child(id), nullptr) << id;
        EXPECT_TRUE(IsWindowVisible(Child(id))) << id;
        EXPECT_TRUE(IsWindowEnabled(Child(id))) << id;
    }
    // The panel starts where the map window ends, 392 below the video's top.
    const RECT tree = ChildRect(38300);
    EXPECT_EQ(tree.left, 662 + 4);
    EXPECT_EQ(tree.top, 24 + 392 + 48);
    const RECT list = ChildRect(1001);
    EXPECT_EQ(list.left, 662 + 224);
    EXPECT_EQ(ChildRect(38700).left, 662 + 163);
}

TEST_F(MainWindowFileList, TheFirstRecordingIsChosenAtStartAndItsOpeningArmed) {
    CopyRecordings(samples.Path());
    WriteSetting(L"SOURCE", L"FOLDER", samples.Path().c_str());
    Start();
    ASSERT_EQ(Rows(), 4);
    EXPECT_EQ(Access::CurrentClip(*dialog), 0);
    EXPECT_TRUE(Armed(101));
    EXPECT_TRUE(Armed(102));
    EXPECT_EQ(Access::Busy(*dialog), 1);
    // Nothing comes before the first recording.
    EXPECT_FALSE(IsWindowEnabled(Child(38001)));
    EXPECT_TRUE(IsWindowEnabled(Child(38005)));
}

TEST_F(MainWindowFileList, ASingleFileSourceListsItsRecordingAndCannotDelete) {
    CopyRecordings(samples.Path());
    WriteSetting(L"SOURCE", L"SELECT", L"FILE");
    WriteSetting(L"SOURCE", L"FILE", samples.File(L"2401020312_G002.MOV").c_str());
    Start();
    ASSERT_EQ(Rows(), 1);
    EXPECT_EQ(RowText(0), L"2401020312_G002");
    EXPECT_EQ(TreeView_GetCount(Child(38300)), 0u);
    EXPECT_FALSE(IsWindowEnabled(Child(38010)));
    EXPECT_FALSE(IsWindowEnabled(Child(38007)));
}

TEST_F(MainWindowFileList, AFolderThatIsGoneOpensNothing) {
    WriteSetting(L"SOURCE", L"FOLDER", (samples.Path() + L"\\gone").c_str());
    Start();
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(TreeView_GetCount(Child(38300)), 0u);
    EXPECT_TRUE(IsWindowEnabled(Child(38009)));
}

TEST_F(MainWindowFileList, TeardownEmptiesThePanel) {
    CopyRecordings(samples.Path());
    WriteSetting(L"SOURCE", L"FOLDER", samples.Path().c_str());
    Start();
    ASSERT_EQ(Rows(), 4);
    ASSERT_TRUE(CloseFromSystemMenu());
    EXPECT_EQ(Rows(), 0);
    EXPECT_EQ(TreeView_GetCount(Child(38300)), 0u);
    wchar_t path[MAX_PATH] = L"x";
    GetWindowTextW(Child(38500), path, MAX_PATH);
    EXPECT_STREQ(path, L"");
}

}  // namespace
