#include "ui/shared/RemovableDrives.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <map>

namespace {

// A drive list as the system gives it, with a type per root.
class FakeDrives {
public:
    FakeDrives(std::initializer_list<std::pair<const wchar_t*, UINT>> drives) {
        for (const auto& [root, type] : drives) {
            list_ += root;
            list_.push_back(L'\0');
            types_[root] = type;
        }
        list_.push_back(L'\0');
    }
    int Collect(std::vector<std::wstring>& drives) const {
        return CollectRemovableDrives(list_.c_str(), [this](const wchar_t* root) { return types_.at(root); }, drives);
    }

private:
    std::wstring list_;
    std::map<std::wstring, UINT> types_;
};

TEST(RemovableDrives, ListsRemovableDrivesInTheSystemsOrder) {
    const FakeDrives system{{L"C:\\", DRIVE_FIXED}, {L"E:\\", DRIVE_REMOVABLE}, {L"F:\\", DRIVE_CDROM},
                            {L"G:\\", DRIVE_REMOVABLE}, {L"Z:\\", DRIVE_FIXED}};
    std::vector<std::wstring> drives;
    EXPECT_EQ(system.Collect(drives), 1);
    EXPECT_EQ(drives, (std::vector<std::wstring>{L"E:\\", L"G:\\"}));
}

TEST(RemovableDrives, NeverListsDriveA) {
    const FakeDrives onlyA{{L"A:\\", DRIVE_REMOVABLE}, {L"C:\\", DRIVE_FIXED}};
    std::vector<std::wstring> drives;
    EXPECT_EQ(onlyA.Collect(drives), -1);
    EXPECT_TRUE(drives.empty());
    const FakeDrives withA{{L"A:\\", DRIVE_REMOVABLE}, {L"E:\\", DRIVE_REMOVABLE}};
    EXPECT_EQ(withA.Collect(drives), 0);
    EXPECT_EQ(drives, (std::vector<std::wstring>{L"E:\\"}));
}

TEST(RemovableDrives, AppendsWithoutClearing) {
    const FakeDrives system{{L"E:\\", DRIVE_REMOVABLE}};
    std::vector<std::wstring> drives{L"earlier"};
    EXPECT_EQ(system.Collect(drives), 1);
    EXPECT_EQ(drives, (std::vector<std::wstring>{L"earlier", L"E:\\"}));
    const FakeDrives none{{L"C:\\", DRIVE_FIXED}};
    EXPECT_EQ(none.Collect(drives), -1);
    EXPECT_EQ(drives.size(), 2u);
}

// The system's drive list, changing between calls as drives come and go:
// each call sees the next list of `lists` (the last one stays).
class ChangingDriveStrings {
public:
    explicit ChangingDriveStrings(std::vector<std::wstring> lists) : lists_(std::move(lists)) {}
    DWORD operator()(DWORD length, wchar_t* buffer) {
        const std::wstring& list = lists_[std::min(calls_++, lists_.size() - 1)];
        const DWORD needed = static_cast<DWORD>(list.size() + 1);  // with the final terminator
        if (buffer == nullptr || length < needed) {
            return needed;
        }
        std::copy(list.begin(), list.end(), buffer);
        buffer[list.size()] = L'\0';
        return needed - 1;
    }

private:
    std::vector<std::wstring> lists_;
    size_t calls_ = 0;
};

// A card put in just after the length question: the list no longer fits
// and comes back unfilled, so it is asked for again, with the card.
TEST(RemovableDrives, ACardPutInWhileTheListIsFetchedIsListed) {
    const std::wstring fixedOnly(L"C:\\\0", 4);
    const std::wstring withCard(L"C:\\\0E:\\\0", 8);
    ChangingDriveStrings system({fixedOnly, withCard});
    const std::vector<wchar_t> list = FetchDriveList(std::ref(system));
    ASSERT_FALSE(list.empty());
    std::vector<std::wstring> drives;
    const auto type = [](const wchar_t* root) { return root[0] == L'E' ? DRIVE_REMOVABLE : DRIVE_FIXED; };
    EXPECT_EQ(CollectRemovableDrives(list.data(), type, drives), 0);
    EXPECT_EQ(drives, std::vector<std::wstring>{L"E:\\"});
}

// A list that keeps growing is not read half-filled: no list at all.
TEST(RemovableDrives, AListThatKeepsChangingGivesNothing) {
    ChangingDriveStrings system({std::wstring(L"C:\\\0", 4), std::wstring(L"C:\\\0E:\\\0", 8),
                                 std::wstring(L"C:\\\0E:\\\0F:\\\0", 12),
                                 std::wstring(L"C:\\\0E:\\\0F:\\\0G:\\\0", 16)});
    EXPECT_TRUE(FetchDriveList(std::ref(system)).empty());
}

// The real system list: the test prefix's fixed drives are never listed;
// a run with an extra drive of type floppy (wine-exec
// --with-removable-drive) must find it.
TEST(RemovableDrive, TheSystemListHoldsOnlyRemovableDrives) {
    std::vector<std::wstring> drives;
    const int last = GetRemovableDrives(drives);
    EXPECT_EQ(last, static_cast<int>(drives.size()) - 1);
    EXPECT_EQ(std::count(drives.begin(), drives.end(), L"C:\\"), 0);
    EXPECT_EQ(std::count(drives.begin(), drives.end(), L"Z:\\"), 0);
    const char* expected = std::getenv("OSTRILEX_REMOVABLE_DRIVE");
    if (expected == nullptr) {
        return;
    }
    const std::wstring root(expected, expected + std::strlen(expected));
    EXPECT_EQ(GetDriveTypeW(root.c_str()), static_cast<UINT>(DRIVE_REMOVABLE));
    EXPECT_EQ(std::count(drives.begin(), drives.end(), root), 1) << "drive " << expected << " not listed";
}

}  // namespace
