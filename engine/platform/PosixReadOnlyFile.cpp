#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "ReadOnlyFile.h"

namespace {

class PosixReadOnlyFile final : public ReadOnlyFile {
public:
    PosixReadOnlyFile(int fd, uint64_t size) : fd_(fd), size_(size) {}
    ~PosixReadOnlyFile() override { close(fd_); }
    PosixReadOnlyFile(const PosixReadOnlyFile&) = delete;
    PosixReadOnlyFile& operator=(const PosixReadOnlyFile&) = delete;

    uint64_t Size() const override { return size_; }

    bool ReadAt(uint64_t offset, void* buffer, size_t length) const override {
        auto* out = static_cast<uint8_t*>(buffer);
        while (length > 0) {
            const ssize_t got = pread(fd_, out, length, static_cast<off_t>(offset));
            if (got < 0 && errno == EINTR) continue;
            if (got <= 0) return false;
            out += got;
            offset += static_cast<uint64_t>(got);
            length -= static_cast<size_t>(got);
        }
        return true;
    }

private:
    int fd_;
    uint64_t size_;
};

}  // namespace

std::unique_ptr<ReadOnlyFile> OpenReadOnlyFile(const std::filesystem::path& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info {};
    if (fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<PosixReadOnlyFile>(fd, static_cast<uint64_t>(info.st_size));
}
