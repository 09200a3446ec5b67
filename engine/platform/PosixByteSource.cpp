#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "ByteSource.h"
#include "format/RecordingLayout.h"

namespace {

// The same granularity as the Windows side, so views fall on the same
// boundaries on both hosts.
constexpr uint32_t kGranularity = 65536;

class PosixView final : public MappedBytes {
public:
    PosixView(void* base, size_t size) : base_(base), size_(size) {}
    ~PosixView() override { munmap(base_, size_); }
    PosixView(const PosixView&) = delete;
    PosixView& operator=(const PosixView&) = delete;

    const uint8_t* data() const override { return static_cast<const uint8_t*>(base_); }
    size_t size() const override { return size_; }

private:
    void* base_;
    size_t size_;
};

class PosixFileMapping final : public ByteSource {
public:
    PosixFileMapping(int fd, uint64_t size) : fd_(fd), size_(size) {}
    ~PosixFileMapping() override { close(fd_); }
    PosixFileMapping(const PosixFileMapping&) = delete;
    PosixFileMapping& operator=(const PosixFileMapping&) = delete;

    uint64_t Size() const override { return size_; }
    uint32_t AllocationGranularity() const override { return kGranularity; }

    std::unique_ptr<MappedBytes> Map(uint64_t offset, size_t length, ViewUse use, uint32_t& systemError) override {
        // A view past the end would fault when read; refuse it as Windows does.
        if (length == 0 || offset > size_ || length > size_ - offset) {
            systemError = EINVAL;
            return nullptr;
        }
        // A view that is copied whole is mapped in full at once: one call
        // instead of a page fault every few pages.
        const int populate = use == ViewUse::kReadThrough ? MAP_POPULATE : 0;
        void* base = mmap(nullptr, length, PROT_READ, MAP_PRIVATE | populate, fd_, static_cast<off_t>(offset));
        if (base == MAP_FAILED) {
            systemError = static_cast<uint32_t>(errno);
            return nullptr;
        }
        return std::make_unique<PosixView>(base, length);
    }

private:
    int fd_;
    uint64_t size_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenFileByteSource(const std::filesystem::path& path) {
    const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return nullptr;
    struct stat info {};
    const bool usable = fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && info.st_size > 0 &&
                        static_cast<uint64_t>(info.st_size) <= RecordingLayout::kLargestFileSize;
    if (!usable) {
        close(fd);
        return nullptr;
    }
    return std::make_unique<PosixFileMapping>(fd, static_cast<uint64_t>(info.st_size));
}
