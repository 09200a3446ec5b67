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
