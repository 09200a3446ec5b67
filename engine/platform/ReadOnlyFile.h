#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>

// An existing file opened for reading while others may read and write it too.
// The handle is closed when the object goes.
class ReadOnlyFile {
public:
    virtual ~ReadOnlyFile() = default;

    virtual uint64_t Size() const = 0;

    // Reads exactly length bytes at offset; false on any shortfall or error.
    virtual bool ReadAt(uint64_t offset, void* buffer, size_t length) const = 0;
};

// Null when the file does not exist or cannot be opened.
std::unique_ptr<ReadOnlyFile> OpenReadOnlyFile(const std::filesystem::path& path);
