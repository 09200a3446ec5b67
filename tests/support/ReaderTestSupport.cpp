#include "ReaderTestSupport.h"

#include "platform/MemoryByteSource.h"

MemoryFiles::MemoryFiles() : opener_([this](const std::filesystem::path& path) { return Open(path); }) {}

void MemoryFiles::Add(const std::wstring& path, std::vector<uint8_t> bytes) {
    std::lock_guard<std::mutex> hold(lock_);
    files_[path] = std::move(bytes);
}

int MemoryFiles::Opens(const std::wstring& path) const {
    std::lock_guard<std::mutex> hold(lock_);
    const auto found = opens_.find(path);
    return found == opens_.end() ? 0 : found->second;
}

std::unique_ptr<ByteSource> MemoryFiles::Open(const std::filesystem::path& path) {
    std::vector<uint8_t> bytes;
    {
        std::lock_guard<std::mutex> hold(lock_);
        ++opens_[path.wstring()];
        const auto found = files_.find(path.wstring());
        if (found == files_.end()) return OpenFileByteSource(path);
        bytes = found->second;
    }
    // An empty file cannot be mapped, in memory as on disk.
    if (bytes.empty()) return nullptr;
    return MakeMemoryByteSource(std::move(bytes));
}

RecordedMappingErrors::RecordedMappingErrors()
    : reporter_([this](uint32_t error) {
          std::lock_guard<std::mutex> hold(lock_);
          errors_.push_back(error);
      }) {}

std::vector<uint32_t> RecordedMappingErrors::Errors() const {
    std::lock_guard<std::mutex> hold(lock_);
    return errors_;
}
