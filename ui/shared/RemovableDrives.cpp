#include "ui/shared/RemovableDrives.h"

#include <cwchar>

// A drive that appears between the length question and the fetch makes the
// list longer than asked for: then ask once more.
std::vector<wchar_t> FetchDriveList(const DriveStringsSource& driveStrings) {
    for (int attempt = 0; attempt < 2; ++attempt) {
        const DWORD needed = driveStrings(0, nullptr);
        if (needed == 0) {
            return {};
        }
        std::vector<wchar_t> list(needed + 1, L'\0');
        const DWORD length = driveStrings(static_cast<DWORD>(list.size()), list.data());
        if (length != 0 && length < list.size()) {
            return list;
        }
    }
    return {};
}

int CollectRemovableDrives(const wchar_t* rootList, const std::function<UINT(const wchar_t*)>& driveType,
                           std::vector<std::wstring>& drives) {
    int lastIndex = -1;
    for (const wchar_t* root = rootList; *root != L'\0'; root += wcslen(root) + 1) {
        if (driveType(root) != DRIVE_REMOVABLE) {
            continue;
        }
        if (root[0] != L'A') {
            drives.push_back(root);
        }
        lastIndex = static_cast<int>(drives.size()) - 1;
    }
    return lastIndex;
}

int GetRemovableDrives(std::vector<std::wstring>& drives) {
    const std::vector<wchar_t> list =
        FetchDriveList([](DWORD length, wchar_t* buffer) { return GetLogicalDriveStringsW(length, buffer); });
    if (list.empty()) {
        return -1;
    }
    return CollectRemovableDrives(list.data(), [](const wchar_t* root) { return GetDriveTypeW(root); }, drives);
}
