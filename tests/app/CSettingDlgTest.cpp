// The settings dialog on an owner of the test's own, which receives what
// the boxes post.
#include "app/CSettingDlg.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <utility>
#include <vector>

#include "support/HostWindow.h"
#include "ui/core/UiTextTable.h"

namespace {

using Post = std::pair<WPARAM, LPARAM>;

class SettingDialog : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dialog.CreateModeless(owner.Handle())); }
    void TearDown() override { dialog.DestroyWindow(); }

    void Click(int id) const { SendMessageW(dialog.Handle(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    std::vector<Post> Posted() const {
        std::vector<Post> posts;
        MSG m;
        while (PeekMessageW(&m, owner.Handle(), WM_APP_SETTING_CHECK, WM_APP_SETTING_CHECK, PM_REMOVE)) {
            posts.emplace_back(m.wParam, m.lParam);
        }
        return posts;
    }

    testing_support::HostWindow owner;
    CSettingDlg dialog;
};

TEST_F(SettingDialog, ABoxPostsItsNewStateToTheOwnerEachTimeItIsClicked) {
    for (int box = 0; box < CSettingDlg::kBoxCount; ++box) {
        EXPECT_TRUE(dialog.IsBoxChecked(box)) << "every box starts checked";
    }
    Click(32971);
    EXPECT_FALSE(dialog.IsBoxChecked(3));
    Click(32971);
    EXPECT_TRUE(dialog.IsBoxChecked(3));
    Click(32968);
    EXPECT_EQ(Posted(), (std::vector<Post>{{3, 0}, {3, 1}, {0, 0}}));
    // The command range is wider than the boxes.
    Click(32972);
    Click(32975);
    EXPECT_TRUE(Posted().empty());
}

// Its client area, not its frame, has the dialog's size.
TEST_F(SettingDialog, CentredOnTheScreenWithA460By400ClientArea) {
    RECT client{};
    GetClientRect(dialog.Handle(), &client);
    EXPECT_EQ(client.right, 460);
    EXPECT_EQ(client.bottom, 400);
    RECT window{};
    GetWindowRect(dialog.Handle(), &window);
    EXPECT_LE(std::abs(window.left + window.right - GetSystemMetrics(SM_CXSCREEN)), 1);
    EXPECT_LE(std::abs(window.top + window.bottom - GetSystemMetrics(SM_CYSCREEN)), 1);
    EXPECT_EQ(dialog.GetText(), UiText(124));
    // The build's year, also after a one-digit day ("Dec  6 2026").
    EXPECT_EQ(CSettingDlg::VersionText("Dec  6 2026"), L"version 1.0.3\r\nCopyright (C) 2026 DURNAX");
}

}  // namespace
