#include "TempFolder.h"

#include <windows.h>

#include "framework/Format.h"

namespace testing_support {

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    const HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") {
                continue;
            }
            const std::wstring child = path + L"\\" + name;
            SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

TempFolder::TempFolder() {
    static int counter = 0;
    wchar_t base[MAX_PATH] = L"";
    GetTempPathW(MAX_PATH, base);
    path_ = fw::Format(L"%sostrilex-%lu-%d", base, GetCurrentProcessId(), ++counter);
    CreateDirectoryW(path_.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    RemoveTree(path_);
}

CurrentDirectory::CurrentDirectory(const std::wstring& path) {
    wchar_t previous[MAX_PATH] = L"";
    GetCurrentDirectoryW(MAX_PATH, previous);
    previous_ = previous;
    SetCurrentDirectoryW(path.c_str());
}

CurrentDirectory::~CurrentDirectory() {
    SetCurrentDirectoryW(previous_.c_str());
}

}  // namespace testing_support
