#include "browser/CMovieResource.h"

#include <gtest/gtest.h>

#include "browser/platform/HostFileSystem.h"
#include "support/HostWindow.h"
#include "support/MessagePump.h"
#include "support/PanelHost.h"
#include "support/TempFolder.h"

namespace {

using testing_support::PumpUntil;

// Counts the watcher's messages on a window of this thread.
class LostCounter : public testing_support::HostWindow {
public:
    int lost = 0;

protected:
    const fw::MessageMap& GetMessageMap() const override {
        static const fw::MessageMap map(&fw::Window::GetMessageMap(), {
            fw::OnMessage(WM_APP_SOURCE_LOST, &LostCounter::OnLost),
        });
        return map;
    }

private:
    LRESULT OnLost(const fw::Message& m) {
        EXPECT_EQ(m.wParam, 0u);
        EXPECT_EQ(m.lParam, 0);
        ++lost;
        return 0;
    }
};

TEST(PathWatcher, RemovingTheWatchedFolderPostsSourceLostExactlyOnce) {
    testing_support::TempFolder temp;
    const std::wstring watched = temp.File(L"ドライブ記録 2025");
    browser_testing::MakeFolder(watched);
    browser_testing::MakeFolder(watched + L"\\DCIM");
    LostCounter owner;
    CMovieResource resource(HostFileSystem());
    resource.SetOwner(owner.Handle());
    resource.SetWatchedPath(watched);
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(owner.lost, 0);

    RemoveDirectoryW((watched + L"\\DCIM").c_str());
    ASSERT_TRUE(RemoveDirectoryW(watched.c_str()));
    const ULONGLONG removed = GetTickCount64();
    ASSERT_TRUE(PumpUntil([&] { return owner.lost > 0; }, 2000));
    EXPECT_LT(GetTickCount64() - removed, 500u);
    PumpUntil([] { return false; }, 500);
    EXPECT_EQ(owner.lost, 1);
    EXPECT_TRUE(resource.WatchedPathText().empty());
    EXPECT_EQ(resource.LastLostPath(), watched);

    // A new opening arms it again.
    const std::wstring next = temp.File(L"next");
    browser_testing::MakeFolder(next);
    resource.SetWatchedPath(next);
    RemoveDirectoryW(next.c_str());
    EXPECT_TRUE(PumpUntil([&] { return owner.lost == 2; }, 2000));
}

TEST(PathWatcher, AnEmptyPathOrNoOwnerPostsNothing) {
    LostCounter owner;
    CMovieResource resource(HostFileSystem());
    resource.SetOwner(owner.Handle());
    PumpUntil([] { return false; }, 300);
    resource.SetOwner(nullptr);
    resource.SetWatchedPath(L"C:\\no\\such\\folder");
    PumpUntil([] { return false; }, 300);
    EXPECT_EQ(owner.lost, 0);
    EXPECT_EQ(resource.WatchedPathText(), L"C:\\no\\such\\folder");
}

TEST(PathWatcher, StopsWithinOneSleepOfTheStopFlag) {
    const ULONGLONG start = GetTickCount64();
    { CMovieResource resource(HostFileSystem()); }
    EXPECT_LT(GetTickCount64() - start, 400u);
}

}  // namespace
