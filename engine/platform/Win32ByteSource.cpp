#include <windows.h>

#include "ByteSource.h"
#include "format/RecordingLayout.h"

namespace {

class Win32View final : public MappedBytes {
public:
    Win32View(const void* base, size_t size) : base_(base), size_(size) {}
    ~Win32View() override { UnmapViewOfFile(base_); }
    Win32View(const Win32View&) = delete;
    Win32View& operator=(const Win32View&) = delete;

    const uint8_t* data() const override { return static_cast<const uint8_t*>(base_); }
    size_t size() const override { return size_; }

private:
    const void* base_;
    size_t size_;
};

class Win32FileMapping final : public ByteSource {
public:
    Win32FileMapping(HANDLE file, HANDLE mapping, uint64_t size, uint32_t granularity)
        : file_(file), mapping_(mapping), size_(size), granularity_(granularity) {}
    ~Win32FileMapping() override {
        CloseHandle(mapping_);
        CloseHandle(file_);
    }
    Win32FileMapping(const Win32FileMapping&) = delete;
    Win32FileMapping& operator=(const Win32FileMapping&) = delete;

    uint64_t Size() const override { return size_; }
    uint32_t AllocationGranularity() const override { return granularity_; }

    // The use is a hint that only the POSIX side acts on.
    std::unique_ptr<MappedBytes> Map(uint64_t offset, size_t length, ViewUse, uint32_t& systemError) override {
        const void* base = MapViewOfFile(mapping_, FILE_MAP_READ, static_cast<DWORD>(offset >> 32),
                                         static_cast<DWORD>(offset), length);
        if (base == nullptr) {
            systemError = GetLastError();
            return nullptr;
        }
        return std::make_unique<Win32View>(base, length);
    }

private:
    HANDLE file_;
    HANDLE mapping_;
    uint64_t size_;
    uint32_t granularity_;
};

}  // namespace

std::unique_ptr<ByteSource> OpenFileByteSource(const std::filesystem::path& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return nullptr;
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file, &size) || static_cast<uint64_t>(size.QuadPart) > RecordingLayout::kLargestFileSize) {
        CloseHandle(file);
        return nullptr;
    }
    HANDLE mapping = CreateFileMappingW(file, nullptr, PAGE_READONLY, 0, 0, nullptr);
    if (mapping == nullptr) {
        CloseHandle(file);
        return nullptr;
    }
    SYSTEM_INFO info;
    GetSystemInfo(&info);
    return std::make_unique<Win32FileMapping>(file, mapping, static_cast<uint64_t>(size.QuadPart),
                                              info.dwAllocationGranularity);
}
