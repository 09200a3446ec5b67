// The file panel on a real window under Wine, over temporary folders of
// fixture recordings mixed with other files and nested folders.

#include "browser/CFilerContainer.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "PlayerEngine.h"
#include "framework/Application.h"
#include "support/MessagePump.h"
#include "support/PanelHost.h"
#include "support/TempFolder.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/ProgramFolder.h"
#include "ui/shared/IniFile.h"

namespace {

using namespace browser_testing;
using testing_support::PumpPending;
using testing_support::PumpUntil;
using testing_support::TempFolder;

class FilePanelWindows : public ::testing::Test {
protected:
    void SetUp() override {
        fw::RegisterCommonControls();
        UiTextVariant = 0;
        testing_support::CurrentDirectory inFolder(programFolder.Path());
        RecordProgramFolder();
        panel.Create(host.Handle(), &host);
        RECT r = host.video;
        panel.LayoutSideBySide(r);
    }

    // A trip folder with three kinds of recordings, a no-kind recording, a
    // text file, a ".MOV" that is no recording, and nested folders; Japanese
    // names, as the program's users keep them, on folders and a recording.
    std::wstring MakeTrip() {
        const std::wstring trip = files.File(L"ドライブ記録 2025");
        MakeFolder(trip);
        EXPECT_TRUE(CopyRecording("2401020304_A001.MOV", trip + L"\\2401020304_A001.MOV"));
        EXPECT_TRUE(CopyRecording("2401020312_G002.MOV", trip + L"\\2401020312_G002.MOV"));
        EXPECT_TRUE(CopyRecording("2401020304_A001.MOV", trip + L"\\2401020320_M003.MOV"));
        EXPECT_TRUE(CopyRecording("2401020304_A001.MOV", trip + L"\\REC_0001.MOV"));
        WriteText(trip + L"\\notes.txt", "not a movie");
        WriteText(trip + L"\\2401020399_P999.MOV", "not a movie either");
        MakeFolder(trip + L"\\day2");
        MakeFolder(trip + L"\\1日目");
        MakeFolder(trip + L"\\1日目\\deep");
        EXPECT_TRUE(CopyRecording("2401020312_G002.MOV", trip + L"\\1日目\\deep\\2401030312_S001.MOV"));
        EXPECT_TRUE(CopyRecording("2401020304_A001.MOV", trip + L"\\1日目\\2401030304_A001.MOV"));
        EXPECT_TRUE(CopyRecording("2401020304_A001.MOV", trip + L"\\1日目\\夜の首都高.MOV"));
        return trip;
    }

    TempFolder programFolder;
    TempFolder files;
    ReadyEngine engine;
    CFilerContainer panel;
    PanelHost host{panel};
};

TEST_F(FilePanelWindows, AFolderSourceShowsItsSubFoldersAndItsRecordingsInTwoGroupOrder) {
    const std::wstring trip = MakeTrip();
    panel.OpenSource(trip, kSourceFolder);
    EXPECT_EQ(panel.GetSourceKind(), kSourceFolder);
    EXPECT_EQ(host.TreeChildren(nullptr), (std::vector<std::wstring>{L"ドライブ記録 2025"}));
    const HTREEITEM top = panel.Tree().GetRoot();
    EXPECT_EQ(host.TreeChildren(top), (std::vector<std::wstring>{L"1日目", L"day2"}));
    EXPECT_EQ(panel.Tree().GetSelection(), top);
    EXPECT_EQ(host.folderSelections, 1);
    ASSERT_EQ(host.Rows(), (std::vector<std::wstring>{L"REC_0001", L"2401020304_A001", L"2401020312_G002",
                                                      L"2401020320_M003"}));
    // Column 1 holds the kind label.
    EXPECT_EQ(panel.List().GetItemText(1, 1), std::wstring(UiText(kSlotKindContinuous)));
    EXPECT_EQ(panel.List().GetItemText(2, 1), std::wstring(UiText(kSlotKindImpact)));
    EXPECT_EQ(panel.List().GetItemText(0, 1), L"");
    wchar_t edit[MAX_PATH] = L"";
    GetWindowTextW(panel.PathEdit(), edit, MAX_PATH);
    EXPECT_EQ(std::wstring(edit), trip);
    EXPECT_EQ(panel.Resource().WatchedPathText(), files.Path());
    const MovieFileRecord& first = panel.List().shownRecords[1];
    EXPECT_EQ(std::wstring(first.fullPath), trip + L"\\2401020304_A001.MOV");
    WIN32_FILE_ATTRIBUTE_DATA data{};
    GetFileAttributesExW(first.fullPath, GetFileExInfoStandard, &data);
    EXPECT_EQ(first.fileSize, data.nFileSizeLow);
}

TEST_F(FilePanelWindows, KindFiltersHideTheirRowsAndSelectRowZero) {
    panel.OpenSource(MakeTrip(), kSourceFolder);
    EXPECT_TRUE(panel.IsKindFilterOn(1));
    EXPECT_EQ(panel.FilterButton(1).latched, 1);
    panel.SelectRow(2, kOriginUser);
    panel.SetKindFilter(1, false);  // 'G'
    EXPECT_FALSE(panel.IsKindFilterOn(1));
    EXPECT_EQ(panel.FilterButton(1).latched, 0);
    EXPECT_EQ(host.Rows(), (std::vector<std::wstring>{L"REC_0001", L"2401020304_A001", L"2401020320_M003"}));
    EXPECT_EQ(panel.List().GetNextItem(-1, LVNI_SELECTED), 0);
    EXPECT_EQ(panel.List().currentIndex, 0);
    EXPECT_EQ(panel.FilterChanged(), 1u);
    for (int k = 0; k < kKindCount; ++k) panel.SetKindFilter(k, false);
    EXPECT_EQ(host.Rows(), (std::vector<std::wstring>{L"REC_0001"}));
}

TEST_F(FilePanelWindows, ASingleFileStartsAsOneSelectedRowWithoutATree) {
    const std::wstring trip = MakeTrip();
    ASSERT_TRUE(WriteIniString(L"SOURCE", L"FILE", trip + L"\\2401020312_G002.MOV"));
    EXPECT_EQ(panel.OpenInitialSource(host.video, 0), 0);
    EXPECT_EQ(panel.GetSourceKind(), kSourceFile);
    EXPECT_EQ(host.Rows(), (std::vector<std::wstring>{L"2401020312_G002"}));
    EXPECT_EQ(panel.List().GetNextItem(-1, LVNI_SELECTED), 0);
    wchar_t edit[MAX_PATH] = L"";
    GetWindowTextW(panel.PathEdit(), edit, MAX_PATH);
    EXPECT_EQ(std::wstring(edit), trip);
    EXPECT_EQ(panel.Resource().WatchedPathText(), trip + L"\\2401020312_G002.MOV");
}

TEST_F(FilePanelWindows, TheStartUpSourceIsTheStoredFolderWhenNoCardIsIn) {
    const std::wstring trip = MakeTrip();
    ASSERT_TRUE(WriteIniString(L"SOURCE", L"FOLDER", trip));
    EXPECT_EQ(panel.OpenInitialSource(host.video, 0), 1);
    EXPECT_EQ(panel.GetSourceKind(), kSourceFolder);
    EXPECT_EQ(host.Rows().size(), 4u);
}

TEST_F(FilePanelWindows, ClearEmptiesTheControlsWithoutOpeningAFolder) {
    panel.OpenSource(MakeTrip(), kSourceFolder);
    const int selections = host.folderSelections;
    panel.Clear();
    EXPECT_EQ(host.folderSelections, selections);
    EXPECT_EQ(panel.Tree().GetCount(), 0u);
    EXPECT_EQ(panel.List().GetItemCount(), 0);
    EXPECT_EQ(GetWindowTextLengthW(panel.PathEdit()), 0);
}

// While a job runs the main window holds the panel's controls off: its
// repaints and layouts no longer switch them back on.
TEST_F(FilePanelWindows, HeldOffControlsStayOffThroughPaintAndLayout) {
    panel.OpenSource(MakeTrip(), kSourceFolder);
    const auto anyOn = [&] {
        bool on = panel.Tree().IsEnabled() || panel.List().IsEnabled() || IsWindowEnabled(panel.PathEdit());
        for (int k = 0; k < kKindCount; ++k) on = on || panel.FilterButton(k).IsEnabled();
        return on;
    };
    panel.HoldControlsOff(true);
    HDC dc = GetDC(host.Handle());
    panel.Paint(host.video, dc, 0);
    ReleaseDC(host.Handle(), dc);
    RECT r = host.video;
    panel.LayoutSideBySide(r);
    panel.EnableControls(true);
    EXPECT_FALSE(anyOn());
    panel.HoldControlsOff(false);
    panel.EnableControls(true);
    EXPECT_TRUE(anyOn());
}

}  // namespace
