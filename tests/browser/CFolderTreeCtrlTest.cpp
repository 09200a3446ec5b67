#include "browser/CFolderTreeCtrl.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "framework/Application.h"
#include "framework/DeviceContext.h"
#include "support/HostWindow.h"

namespace {

class SelectionCounter : public FolderSelectionHandler {
public:
    void OnFolderSelChanged(const NMTREEVIEWW& notification) override {
        ++calls;
        last = notification.itemNew.hItem;
    }
    int calls = 0;
    HTREEITEM last = nullptr;
};

class FolderTreeWindow : public ::testing::Test {
protected:
    void SetUp() override {
        fw::RegisterCommonControls();
        ASSERT_TRUE(tree.CreateTree(host.Handle(), {0, 0, 217, 300}, nullptr));
        tree.SetOwner(&counter);
    }
    testing_support::HostWindow host;
    CFolderTreeCtrl tree;
    SelectionCounter counter;
};

TEST_F(FolderTreeWindow, ASelectionInCodeReachesTheOwnerOnce) {
    const TreeItemId a = tree.InsertLast(kNoTreeItem, L"100MEDIA", 4);
    tree.InsertLast(kNoTreeItem, L"101MEDIA", 0);
    tree.SelectItem(a);
    EXPECT_EQ(counter.calls, 1);
    EXPECT_EQ(counter.last, CFolderTreeCtrl::ToItem(a));
    tree.SelectItem(a);
    EXPECT_EQ(counter.calls, 1);
}

TEST_F(FolderTreeWindow, ItemPathsJoinUnderTheRoot) {
    tree.SetRootPath(L"E:\\DCIM");
    const TreeItemId a = tree.InsertLast(kNoTreeItem, L"100MEDIA", 0);
    const TreeItemId b = tree.InsertLast(a, L"sub", 0);
    EXPECT_EQ(tree.FolderTree::GetItemPath(b), L"E:\\DCIM\\100MEDIA\\sub");
    tree.DeleteChildren(a);
    EXPECT_EQ(tree.GetCount(), 1u);
}

std::vector<COLORREF> Pixels(HBITMAP bitmap) {
    fw::MemoryDC dc(nullptr);
    fw::SelectedObject selected(dc.Get(), bitmap);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 26; ++y)
        for (int x = 0; x < 26; ++x) pixels.push_back(GetPixel(dc.Get(), x, y));
    return pixels;
}

}  // namespace
