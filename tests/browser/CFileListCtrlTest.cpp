#include "browser/CFileListCtrl.h"

#include <gtest/gtest.h>

#include "framework/Application.h"
#include "support/HostWindow.h"
#include "support/MessagePump.h"
#include "ui/core/UiChar.h"

namespace {

class DoubleClickCounter : public testing_support::HostWindow {
public:
    int doubleClicks = 0;

protected:
    const fw::MessageMap& GetMessageMap() const override {
        static const fw::MessageMap map(&fw::Window::GetMessageMap(), {
            fw::OnMessage(WM_APP_FILELIST_DBLCLK, &DoubleClickCounter::OnDoubleClick),
        });
        return map;
    }

private:
    LRESULT OnDoubleClick(const fw::Message&) {
        ++doubleClicks;
        return 0;
    }
};

MovieFileRecordList Records(std::initializer_list<const wchar_t*> names) {
    MovieFileRecordList records;
    RecordCounters counters;
    for (const wchar_t* name : names) {
        AppendBuiltRecord(std::wstring(L"C:\\r\\") + name, 1, 0, counters, records);
    }
    return records;
}

class RecordingListWindow : public ::testing::Test {
protected:
    void SetUp() override {
        fw::RegisterCommonControls();
        ASSERT_TRUE(list.CreateList(host.Handle(), {0, 0, 224, 200}, nullptr));
        list.showFlags = {1, 1, 1, 1, 1};
    }
    DoubleClickCounter host;
    CFileListCtrl list;
};

TEST_F(RecordingListWindow, HasTheClassStylesAndTwoColumns) {
    const LONG style = GetWindowLongW(list.Handle(), GWL_STYLE);
    EXPECT_EQ(style & LVS_TYPEMASK, LVS_REPORT);
    EXPECT_TRUE(style & LVS_OWNERDRAWFIXED);
    EXPECT_TRUE(style & LVS_SINGLESEL);
    EXPECT_TRUE(style & LVS_NOCOLUMNHEADER);
    EXPECT_FALSE(style & LVS_ALIGNLEFT);
    EXPECT_EQ(list.ControlId(), 1001);
    EXPECT_EQ(Header_GetItemCount(list.GetHeader()), 2);
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(list.GetHeader(), 0, &item);
    EXPECT_TRUE(item.fmt & HDF_OWNERDRAW);
}

TEST_F(RecordingListWindow, AnEmptyListShowsADisabledScrollBar) {
    list.ApplyKindFilter();
    SetWindowPos(list.Handle(), nullptr, 0, 0, 220, 180, SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(GetScrollBarInfo(list.Handle(), OBJID_VSCROLL, &info));
    EXPECT_FALSE(info.rgstate[0] & STATE_SYSTEM_INVISIBLE);
    EXPECT_TRUE(info.rgstate[0] & STATE_SYSTEM_UNAVAILABLE);
}

TEST_F(RecordingListWindow, FilteringRebuildsTheRowsWithTheNameUpToItsDot) {
    list.allRecords = Records({L"2401020304_A001.MOV", L"2401020312_G002.MOV", L"REC_0001.MOV"});
    list.ApplyKindFilter();
    ASSERT_EQ(list.GetItemCount(), 3);
    EXPECT_EQ(list.GetItemText(0, 0), L"2401020304_A001");
    list.showFlags[0] = 0;
    list.ApplyKindFilter();
    ASSERT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetItemText(0, 0), L"2401020312_G002");
    EXPECT_EQ(list.shownRecords.size(), 2u);
}

TEST_F(RecordingListWindow, RowsPaintFromTheCurrentIndexWithTheEventTint) {
    list.allRecords = Records({L"2401020304_A001.MOV", L"2401020312_G002.MOV", L"2401020320_G003.MOV"});
    list.ApplyKindFilter();
    list.currentIndex = 2;
    list.SelectOnlyRow(0);  // the selection does not decide the paint
    UpdateWindow(list.Handle());
    RECT rows[3];
    for (int i = 0; i < 3; ++i) list.GetItemRect(i, rows[i], LVIR_BOUNDS);
    HDC dc = GetDC(list.Handle());
    // Right end of each row, clear of the text.
    const auto sample = [&](int i) { return GetPixel(dc, rows[i].right - 4, (rows[i].top + rows[i].bottom) / 2); };
    RedrawWindow(list.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(sample(0), static_cast<COLORREF>(0xFFFFFF));
    EXPECT_EQ(sample(1), static_cast<COLORREF>(0xCCFFFF));
    EXPECT_EQ(sample(2), static_cast<COLORREF>(0x8EB2B2));
    ReleaseDC(list.Handle(), dc);
}

TEST_F(RecordingListWindow, ASelectedEventRowThatIsNotCurrentKeepsItsNameReadable) {
    list.allRecords = Records({L"2401020304_A001.MOV", L"2401020312_G002.MOV"});
    list.ApplyKindFilter();
    list.currentIndex = 0;
    // As a click leaves it: focused, with the clicked row selected.
    SetForegroundWindow(host.Handle());
    SetFocus(list.Handle());
    list.SelectOnlyRow(1);
    RedrawWindow(list.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    RECT row{};
    list.GetItemRect(1, row, LVIR_BOUNDS);
    HDC dc = GetDC(list.Handle());
    int dark = 0;
    for (int y = row.top + 1; y < row.bottom - 1; ++y) {
        for (int x = row.left + 1; x < row.left + 120; ++x) {
            const COLORREF pixel = GetPixel(dc, x, y);
            dark += GetRValue(pixel) < 0x60 && GetGValue(pixel) < 0x60 && GetBValue(pixel) < 0x60 ? 1 : 0;
        }
    }
    ReleaseDC(list.Handle(), dc);
    // The name is drawn dark on the light event tint.
    EXPECT_GT(dark, 20);
}

TEST_F(RecordingListWindow, ADoubleClickPostsOneMessageToTheParent) {
    list.allRecords = Records({L"2401020304_A001.MOV"});
    list.ApplyKindFilter();
    SendMessageW(list.Handle(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(10, 5));
    testing_support::PumpUntil([] { return false; }, 200);
    EXPECT_EQ(host.doubleClicks, 1);
}

}  // namespace
