#include <windows.h>

#include <functional>

#include "BufferedWrites.h"
#include "FileOutputSink.h"

namespace {

constexpr unsigned kNameAttempts = 100;
constexpr DWORD kLargestWrite = 1u << 30;

bool WriteAllTo(HANDLE file, const uint8_t* data, size_t size) {
    while (size > 0) {
        const DWORD chunk = size < kLargestWrite ? static_cast<DWORD>(size) : kLargestWrite;
        DWORD done = 0;
        if (!WriteFile(file, data, chunk, &done, nullptr) || done == 0) return false;
        data += done;
        size -= done;
    }
    return true;
}

class Win32FileOutputSink final : public FileOutputSink {
public:
    Win32FileOutputSink(HANDLE file, std::filesystem::path temporary, std::filesystem::path target)
        : file_(file),
          temporary_(std::move(temporary)),
          target_(std::move(target)),
          writes_([this](const uint8_t* data, size_t size) { return WriteAllTo(file_, data, size); }) {}

    ~Win32FileOutputSink() override {
        if (committed_) return;
        if (file_ != INVALID_HANDLE_VALUE) CloseHandle(file_);
        DeleteFileW(temporary_.c_str());
    }
    Win32FileOutputSink(const Win32FileOutputSink&) = delete;
    Win32FileOutputSink& operator=(const Win32FileOutputSink&) = delete;

    bool Write(const uint8_t* data, size_t size) override {
        return file_ != INVALID_HANDLE_VALUE && writes_.Write(data, size);
    }

    bool Commit() override {
        if (file_ == INVALID_HANDLE_VALUE) return false;
        const bool flushed = writes_.Flush();
        const bool closed = CloseHandle(file_) != 0;
        file_ = INVALID_HANDLE_VALUE;
        if (!flushed || !closed) return false;
        if (!MoveFileExW(temporary_.c_str(), target_.c_str(), MOVEFILE_REPLACE_EXISTING)) return false;
        committed_ = true;
        return true;
    }

private:
    HANDLE file_;
    std::filesystem::path temporary_;
    std::filesystem::path target_;
    BufferedWrites<std::function<bool(const uint8_t*, size_t)>> writes_;
    bool committed_ = false;
};

}  // namespace

std::unique_ptr<FileOutputSink> CreateFileOutputSink(const std::filesystem::path& target) {
    for (unsigned attempt = 0; attempt < kNameAttempts; ++attempt) {
        const std::filesystem::path temporary = TemporaryNameFor(target, attempt);
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                                  nullptr);
        if (file != INVALID_HANDLE_VALUE) return std::make_unique<Win32FileOutputSink>(file, temporary, target);
        if (GetLastError() != ERROR_FILE_EXISTS) return nullptr;
    }
    return nullptr;
}
