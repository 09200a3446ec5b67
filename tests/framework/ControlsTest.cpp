#include <gtest/gtest.h>

#include "framework/Application.h"
#include "framework/ComboBox.h"
#include "framework/HeaderCtrl.h"
#include "framework/ListView.h"
#include "framework/SysLink.h"
#include "framework/TreeView.h"
#include "support/HostWindow.h"

namespace {

class Controls : public ::testing::Test {
protected:
    void SetUp() override { fw::RegisterCommonControls(); }

    fw::WindowArgs Args(int id, DWORD style) const {
        fw::WindowArgs args;
        args.parent = host.Handle();
        args.id = id;
        args.rect = {0, 0, 300, 200};
        args.style = WS_CHILD | WS_VISIBLE | style;
        return args;
    }

    testing_support::HostWindow host;
};

TEST_F(Controls, ListViewRowsColumnsAndChecks) {
    fw::ListView list;
    ASSERT_TRUE(list.Create(Args(1003, LVS_REPORT)));
    list.SetExtendedStyle(LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT, LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
    EXPECT_EQ(list.InsertColumn(0, L"ファイル名", 220), 0);
    EXPECT_EQ(list.InsertColumn(1, L"ファイルサイズ", 120), 1);
    EXPECT_EQ(list.GetColumnWidth(0), 220);
    EXPECT_EQ(list.InsertItem(0, L"A.MOV", 11), 0);
    EXPECT_EQ(list.InsertItem(1, L"B.MOV", 22), 1);
    list.SetItemText(1, 1, L"3 MB");
    EXPECT_EQ(list.GetItemCount(), 2);
    EXPECT_EQ(list.GetItemText(1, 0), L"B.MOV");
    EXPECT_EQ(list.GetItemText(1, 1), L"3 MB");
    EXPECT_EQ(list.GetItemData(1), 22);
    list.SetCheckState(1, true);
    EXPECT_FALSE(list.GetCheckState(0));
    EXPECT_TRUE(list.GetCheckState(1));
    list.SetItemState(0, LVIS_SELECTED, LVIS_SELECTED);
    EXPECT_EQ(list.GetNextItem(-1, LVNI_SELECTED), 0);

    fw::HeaderCtrl header;
    ASSERT_TRUE(header.Attach(list.GetHeader()));
    EXPECT_EQ(header.GetItemCount(), 2);
    EXPECT_TRUE(header.SetOwnerDraw(1));
    HDITEMW item{};
    item.mask = HDI_FORMAT;
    Header_GetItem(header.Handle(), 1, &item);
    EXPECT_TRUE(item.fmt & HDF_OWNERDRAW);
    header.Detach();

    EXPECT_TRUE(list.DeleteAllItems());
    EXPECT_EQ(list.GetItemCount(), 0);
}

TEST_F(Controls, TreeViewItemsKnowTheirTextParentAndData) {
    fw::TreeView tree;
    ASSERT_TRUE(tree.Create(Args(38300, TVS_SHOWSELALWAYS)));
    const HTREEITEM root = tree.InsertItem(L"DCIM", TVI_ROOT, TVI_LAST, 0, 0, 5);
    const HTREEITEM child = tree.InsertItem(L"100MEDIA", root, TVI_LAST, 0, 0, 6);
    const HTREEITEM second = tree.InsertItem(L"101MEDIA", root);
    EXPECT_EQ(tree.GetCount(), 3u);
    EXPECT_EQ(tree.GetRoot(), root);
    EXPECT_EQ(tree.GetChildItem(root), child);
    EXPECT_EQ(tree.GetNextSiblingItem(child), second);
    EXPECT_EQ(tree.GetParentItem(child), root);
    EXPECT_EQ(tree.GetItemText(child), L"100MEDIA");
    EXPECT_EQ(tree.GetItemData(child), 6);
    EXPECT_TRUE(tree.SelectItem(child));
    EXPECT_EQ(tree.GetSelection(), child);
    EXPECT_EQ(tree.GetItemText(nullptr), L"");
}

TEST_F(Controls, ComboBoxEntriesAndSelection) {
    fw::ComboBox combo;
    ASSERT_TRUE(combo.Create(Args(39100, CBS_DROPDOWNLIST | WS_VSCROLL)));
    combo.AddString(L"E:\\");
    combo.AddString(L"F:\\");
    EXPECT_EQ(combo.GetCount(), 2);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    EXPECT_EQ(combo.SelectString(L"F:\\"), 1);
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(combo.GetItemText(0), L"E:\\");
    EXPECT_EQ(combo.GetItemText(5), L"");
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
}

TEST_F(Controls, SysLinkHandsOutTheAddressOfEachLink) {
    fw::SysLink link;
    fw::WindowArgs args = Args(1007, 0);
    args.text = L"Viewer <a href=\"http://updates.invalid/viewer\">download</a>";
    ASSERT_TRUE(link.Create(args));
    EXPECT_EQ(link.GetItemUrl(0), L"http://updates.invalid/viewer");
    EXPECT_EQ(link.GetItemUrl(3), L"");
}

}  // namespace
