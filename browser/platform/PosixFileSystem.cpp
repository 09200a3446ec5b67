#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "browser/core/HostPath.h"
#include "browser/platform/HostFileSystem.h"

namespace {

class PosixFileSystem final : public BrowserFileSystem {
public:
    bool ListFolder(UiStringView folder, FolderListing& entries) const override {
        DIR* dir = opendir(HostNarrowPath(folder).c_str());
        if (dir == nullptr) {
            return false;
        }
        const int dirFd = dirfd(dir);
        while (const dirent* found = readdir(dir)) {
            FolderEntry& entry = entries.emplace_back();
            entry.name = UiFromUtf8(found->d_name);
            // Sizes come with the listing, as FindNextFileW gives them.
            struct stat info {};
            if (fstatat(dirFd, found->d_name, &info, 0) == 0) {
                entry.directory = S_ISDIR(info.st_mode);
                entry.size = entry.directory ? 0 : static_cast<uint64_t>(info.st_size);
            } else {
                entry.directory = found->d_type == DT_DIR;
            }
        }
        closedir(dir);
        return true;
    }

    bool PathExists(UiStringView path) const override {
        struct stat info {};
        return stat(HostNarrowPath(path).c_str(), &info) == 0;
    }

    std::optional<uint64_t> OpenFileSize(UiStringView path) const override {
        const int fd = open(HostNarrowPath(path).c_str(), O_RDONLY | O_CLOEXEC);
        if (fd < 0) {
            return std::nullopt;
        }
        struct stat info {};
        const bool known = fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
        close(fd);
        if (!known) {
            return std::nullopt;
        }
        return static_cast<uint64_t>(info.st_size);
    }
};

}  // namespace

const BrowserFileSystem& HostFileSystem() {
    static const PosixFileSystem fs;
    return fs;
}
