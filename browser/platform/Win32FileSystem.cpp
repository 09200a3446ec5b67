#include <windows.h>
#include <shlwapi.h>

#include "browser/core/MovieFileRecord.h"
#include "browser/platform/HostFileSystem.h"

namespace {

class Win32FileSystem final : public BrowserFileSystem {
public:
    bool ListFolder(UiStringView folder, FolderListing& entries) const override {
        // "%s\*" into 260 units: a folder whose pattern does not fit is
        // not listed, rather than listing a cut path.
        if (folder.size() + 2 > kRecordPathChars) {
            return false;
        }
        std::wstring pattern(folder);
        pattern += L"\\*";
        WIN32_FIND_DATAW data{};
        const HANDLE find = FindFirstFileW(pattern.c_str(), &data);
        if (find == INVALID_HANDLE_VALUE) {
            return false;
        }
        do {
            FolderEntry& entry = entries.emplace_back();
            entry.name = data.cFileName;
            entry.directory = (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
            entry.size = (static_cast<uint64_t>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
        } while (FindNextFileW(find, &data));
        FindClose(find);
        return true;
    }

    bool PathExists(UiStringView path) const override {
        const std::wstring text(path);
        return PathFileExistsW(text.c_str()) != FALSE;
    }

    std::optional<uint64_t> OpenFileSize(UiStringView path) const override {
        const std::wstring text(path);
        const HANDLE file = CreateFileW(text.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                        FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file == INVALID_HANDLE_VALUE) {
            return std::nullopt;
        }
        // The full 64-bit size (GetFileSize's low half alone cut sizes of
        // 4 GiB and more).
        LARGE_INTEGER size{};
        const BOOL known = GetFileSizeEx(file, &size);
        CloseHandle(file);
        if (!known) {
            return std::nullopt;
        }
        return static_cast<uint64_t>(size.QuadPart);
    }
};

}  // namespace

const BrowserFileSystem& HostFileSystem() {
    static const Win32FileSystem fs;
    return fs;
}
