#include "browser/core/WatchedPath.h"

#include <gtest/gtest.h>

#include "support/MemoryBrowser.h"

namespace {

using browser_testing::U;

TEST(WatchedPath, ReportsEachDisappearanceOnce) {
    WatchedPath watched;
    bool exists = true;
    const auto probe = [&](const UiString&) { return exists; };
    EXPECT_FALSE(watched.TakeIfLost(probe));  // empty: nothing to report
    watched.Set(U("E:\\DCIM"));
    EXPECT_FALSE(watched.TakeIfLost(probe));
    exists = false;
    const auto lost = watched.TakeIfLost(probe);
    ASSERT_TRUE(lost);
    EXPECT_EQ(*lost, U("E:\\DCIM"));
    EXPECT_TRUE(watched.Get().empty());
    EXPECT_FALSE(watched.TakeIfLost(probe));
    watched.Set(U("F:"));
    EXPECT_TRUE(watched.TakeIfLost(probe));
}

TEST(WatchedPath, APathReplacedDuringTheTestIsKept) {
    WatchedPath watched;
    watched.Set(U("E:"));
    const auto lost = watched.TakeIfLost([&](const UiString&) {
        watched.Set(U("F:"));
        return false;
    });
    EXPECT_FALSE(lost);
    EXPECT_EQ(watched.Get(), U("F:"));
}

}  // namespace
