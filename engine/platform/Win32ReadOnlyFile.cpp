#include <windows.h>

#include "ReadOnlyFile.h"

namespace {

class Win32ReadOnlyFile final : public ReadOnlyFile {
public:
    Win32ReadOnlyFile(HANDLE handle, uint64_t size) : handle_(handle), size_(size) {}
    ~Win32ReadOnlyFile() override { CloseHandle(handle_); }
    Win32ReadOnlyFile(const Win32ReadOnlyFile&) = delete;
    Win32ReadOnlyFile& operator=(const Win32ReadOnlyFile&) = delete;

    uint64_t Size() const override { return size_; }

    bool ReadAt(uint64_t offset, void* buffer, size_t length) const override {
        auto* out = static_cast<uint8_t*>(buffer);
        while (length > 0) {
            OVERLAPPED at{};
            at.Offset = static_cast<DWORD>(offset);
            at.OffsetHigh = static_cast<DWORD>(offset >> 32);
            const DWORD chunk = length > 0x40000000 ? 0x40000000 : static_cast<DWORD>(length);
            DWORD got = 0;
            if (!ReadFile(handle_, out, chunk, &got, &at) || got == 0) return false;
            out += got;
            offset += got;
            length -= got;
        }
        return true;
    }

private:
    HANDLE handle_;
    uint64_t size_;
};

}  // namespace

std::unique_ptr<ReadOnlyFile> OpenReadOnlyFile(const std::filesystem::path& path) {
    HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return nullptr;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(handle, &size)) {
        CloseHandle(handle);
        return nullptr;
    }
    return std::make_unique<Win32ReadOnlyFile>(handle, static_cast<uint64_t>(size.QuadPart));
}
