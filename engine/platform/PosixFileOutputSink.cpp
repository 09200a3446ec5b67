#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <functional>

#include "BufferedWrites.h"
#include "FileOutputSink.h"

namespace {

constexpr unsigned kNameAttempts = 100;

bool WriteAllTo(int fd, const uint8_t* data, size_t size) {
    while (size > 0) {
        const ssize_t done = write(fd, data, size);
        if (done < 0 && errno == EINTR) continue;
        if (done <= 0) return false;
        data += done;
        size -= static_cast<size_t>(done);
    }
    return true;
}

class PosixFileOutputSink final : public FileOutputSink {
public:
    PosixFileOutputSink(int fd, std::filesystem::path temporary, std::filesystem::path target)
        : fd_(fd),
          temporary_(std::move(temporary)),
          target_(std::move(target)),
          writes_([this](const uint8_t* data, size_t size) { return WriteAllTo(fd_, data, size); }) {}

    ~PosixFileOutputSink() override {
        if (committed_) return;
        if (fd_ >= 0) close(fd_);
        unlink(temporary_.c_str());
    }
    PosixFileOutputSink(const PosixFileOutputSink&) = delete;
    PosixFileOutputSink& operator=(const PosixFileOutputSink&) = delete;

    bool Write(const uint8_t* data, size_t size) override { return fd_ >= 0 && writes_.Write(data, size); }

    bool Commit() override {
        if (fd_ < 0) return false;
        const bool flushed = writes_.Flush();
        // A failed close can be the first report of a failed write.
        const bool closed = close(fd_) == 0;
        fd_ = -1;
        if (!flushed || !closed) return false;
        if (rename(temporary_.c_str(), target_.c_str()) != 0) return false;
        committed_ = true;
        return true;
    }

private:
    int fd_;
    std::filesystem::path temporary_;
    std::filesystem::path target_;
    BufferedWrites<std::function<bool(const uint8_t*, size_t)>> writes_;
    bool committed_ = false;
};

}  // namespace

std::unique_ptr<FileOutputSink> CreateFileOutputSink(const std::filesystem::path& target) {
    for (unsigned attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::filesystem::path temporary = TemporaryNameFor(target, attempt);
        const int fd = open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) return std::make_unique<PosixFileOutputSink>(fd, temporary, target);
        if (errno != EEXIST) return nullptr;
    }
    return nullptr;
}
