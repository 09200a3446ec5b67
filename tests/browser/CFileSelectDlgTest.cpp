#include "browser/CFileSelectDlg.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "framework/Application.h"
#include "support/DialogDriver.h"
#include "support/HostWindow.h"
#include "support/ScriptedPrompts.h"
#include "ui/core/UiTextTable.h"

namespace {

using testing_support::PressButton;
using testing_support::PressButtonAndWait;
using testing_support::WaitForDialog;

constexpr uint64_t kMb = 1ull << 20;

MovieFileRecordList Records(int count, uint64_t size = 10 * kMb, const wchar_t* extension = L".MOV") {
    MovieFileRecordList records;
    RecordCounters counters;
    for (int i = 0; i < count; ++i) {
        wchar_t path[64];
        swprintf(path, 64, L"C:\\r\\24010203%02d_A%03d%ls", i % 100, i, extension);
        if (!AppendBuiltRecord(path, size, 0, counters, records)) {
            // Not a ".MOV" name: build it by hand, as another list could hold it.
            MovieFileRecord& r = records.emplace_back();
            CopyIntoRecordField(r.fullPath, path);
            CopyIntoRecordField(r.fileName, LastPathComponent(path));
            r.fileSize = size;
        }
    }
    return records;
}

// Runs the dialog on this thread while `drive` works it from another.
INT_PTR RunDriven(CFileSelectDlg& dialog, const std::wstring& caption, std::function<void(HWND)> drive) {
    std::thread driver([drive, caption, thread = GetCurrentThreadId()] {
        const HWND window = WaitForDialog(thread, caption);
        drive(window);
    });
    const INT_PTR result = dialog.DoModal(nullptr);
    driver.join();
    return result;
}

void Tick(HWND dialog, int row, bool ticked) {
    ListView_SetCheckState(GetDlgItem(dialog, CFileSelectDlg::kListId), row, ticked);
}

bool Ticked(HWND dialog, int row) {
    return ListView_GetCheckState(GetDlgItem(dialog, CFileSelectDlg::kListId), row) != FALSE;
}

std::wstring TotalText(HWND dialog) {
    wchar_t text[64] = L"";
    GetDlgItemTextW(dialog, CFileSelectDlg::kTotalSizeId, text, 64);
    return text;
}

bool OkEnabled(HWND dialog) {
    return IsWindowEnabled(GetDlgItem(dialog, IDOK)) != FALSE;
}

class SelectionDialog : public ::testing::Test {
protected:
    void SetUp() override {
        fw::RegisterCommonControls();
        UiTextVariant = 0;
    }
    testing_support::ScriptedPrompts prompts;
    fw::ScopedPrompts scoped{prompts};
};

TEST_F(SelectionDialog, JoinModeKeepsTheTickedRowsOneRun) {
    CFileSelectDlg dialog;
    dialog.mode = kSelectJoin;
    dialog.SetShownRecords(Records(8), nullptr);
    std::atomic<bool> gapTicked{false}, tailUnticked{false}, okAfterOne{true}, okAfterTwo{false};
    std::wstring total;
    const INT_PTR result = RunDriven(dialog, UiText(44), [&](HWND window) {
        Tick(window, 2, true);
        okAfterOne = OkEnabled(window);
        Tick(window, 5, true);
        gapTicked = Ticked(window, 3) && Ticked(window, 4);
        okAfterTwo = OkEnabled(window);
        total = TotalText(window);
        Tick(window, 4, false);
        tailUnticked = !Ticked(window, 5) && Ticked(window, 3);
        PressButton(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_TRUE(gapTicked);
    EXPECT_FALSE(okAfterOne);
    EXPECT_TRUE(okAfterTwo);
    EXPECT_EQ(total, L"40 MB");
    EXPECT_TRUE(tailUnticked);
    ASSERT_EQ(dialog.ResultRecords().size(), 2u);
    EXPECT_EQ(std::wstring(dialog.ResultRecords()[0].fileName), L"2401020302_A002.MOV");
}

TEST_F(SelectionDialog, JoinModeRefusesMoreThan1024MegabytesAndStaysOpen) {
    CFileSelectDlg dialog;
    dialog.mode = kSelectJoin;
    dialog.SetShownRecords(Records(3, 513 * kMb), nullptr);
    prompts.QueueMessageAnswer(IDOK);
    std::atomic<bool> openAfterRefusal{false};
    std::atomic<COLORREF> textColour{0};
    const INT_PTR result = RunDriven(dialog, UiText(44), [&](HWND window) {
        Tick(window, 0, true);
        Tick(window, 1, true);
        PressButtonAndWait(window, IDOK);
        openAfterRefusal = IsWindow(window) != FALSE;
        Tick(window, 1, false);
        Tick(window, 0, false);
        Tick(window, 2, true);
        Tick(window, 1, true);
        PressButton(window, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_TRUE(openAfterRefusal);
    const auto messages = prompts.Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0].text, UiText(139));
    EXPECT_EQ(messages[0].caption, L"ERROR");
}

TEST_F(SelectionDialog, JoinModeRefusesAHundredFiles) {
    CFileSelectDlg dialog;
    dialog.mode = kSelectJoin;
    dialog.SetShownRecords(Records(100, 1 * kMb), nullptr);
    prompts.QueueMessageAnswer(IDOK);
    const INT_PTR result = RunDriven(dialog, UiText(44), [&](HWND window) {
        Tick(window, 0, true);
        Tick(window, 99, true);  // ticks the whole gap: 100 files
        PressButtonAndWait(window, IDOK);
        Tick(window, 99, false);  // 99 files
        PressButton(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].text, UiText(142));
    EXPECT_EQ(dialog.ResultRecords().size(), 99u);
}

TEST_F(SelectionDialog, JoinModeListsOnlyMovFilesAndDisablesShowAll) {
    CFileSelectDlg dialog;
    dialog.mode = kSelectJoin;
    MovieFileRecordList records = Records(2);
    const MovieFileRecordList mp4 = Records(1, kMb, L".MP4");
    records.insert(records.begin() + 1, mp4.begin(), mp4.end());
    dialog.SetShownRecords(records, nullptr);
    std::atomic<bool> showAllEnabled{true};
    std::atomic<int> rows{0};
    RunDriven(dialog, UiText(44), [&](HWND window) {
        showAllEnabled = IsWindowEnabled(GetDlgItem(window, CFileSelectDlg::kShowAllId)) != FALSE;
        rows = ListView_GetItemCount(GetDlgItem(window, CFileSelectDlg::kListId));
        PressButton(window, IDCANCEL);
    });
    EXPECT_FALSE(showAllEnabled);
    EXPECT_EQ(rows, 2);
}

TEST_F(SelectionDialog, DeleteModeEnablesOkWithTheFirstTickAndShowsTheWholeSource) {
    CFileSelectDlg dialog;
    dialog.mode = kSelectDelete;
    dialog.SetShownRecords(Records(2), nullptr);
    EXPECT_EQ(dialog.SetAllRecords(Records(5)), 1);
    std::atomic<bool> okBefore{true}, okAfter{false};
    std::atomic<int> allRows{0};
    std::wstring firstTotal;
    std::wstring caption;
    const INT_PTR result = RunDriven(dialog, UiText(47), [&](HWND window) {
        firstTotal = TotalText(window);
        okBefore = OkEnabled(window);
        SendMessageW(GetDlgItem(window, CFileSelectDlg::kShowAllId), BM_CLICK, 0, 0);
        allRows = ListView_GetItemCount(GetDlgItem(window, CFileSelectDlg::kListId));
        Tick(window, 4, true);
        okAfter = OkEnabled(window);
        PressButton(window, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(firstTotal, L"0 MB");
    EXPECT_FALSE(okBefore);
    EXPECT_EQ(allRows, 5);
    EXPECT_TRUE(okAfter);
    ASSERT_EQ(dialog.ResultRecords().size(), 1u);
    EXPECT_EQ(std::wstring(dialog.ResultRecords()[0].fileName), L"2401020304_A004.MOV");
}

// The box is owned by the window the dialog runs over, so that window
// cannot be used while the box is up.
TEST_F(SelectionDialog, MoreThan1500RecordsAreCutWithOneOwnedBox) {
    CFileSelectDlg dialog;
    testing_support::HostWindow mainWindow;
    prompts.QueueMessageAnswer(IDOK);
    EXPECT_EQ(dialog.SetShownRecords(Records(1501), mainWindow.Handle()), 1);
    ASSERT_EQ(prompts.Messages().size(), 1u);
    EXPECT_EQ(prompts.Messages()[0].owner, mainWindow.Handle());
    EXPECT_EQ(prompts.Messages()[0].text, UiText(105));
    EXPECT_EQ(prompts.Messages()[0].caption, L"ERROR");
    EXPECT_EQ(dialog.SetAllRecords(Records(1501)), 0);
    EXPECT_EQ(dialog.SetAllRecords(Records(1500)), 1);
    EXPECT_EQ(prompts.Messages().size(), 1u);
}

}  // namespace
