#pragma once

#include <atomic>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "platform/ByteSource.h"
#include "platform/MappingErrorReporter.h"

// Serves named in-memory files to every reader while it lives (each view a
// separate exact-size heap block), and falls back to the real files for
// other paths. Counts the opens of each path.
class MemoryFiles {
public:
    MemoryFiles();
    void Add(const std::wstring& path, std::vector<uint8_t> bytes);
    int Opens(const std::wstring& path) const;

private:
    std::unique_ptr<ByteSource> Open(const std::filesystem::path& path);

    mutable std::mutex lock_;
    std::map<std::wstring, std::vector<uint8_t>> files_;
    std::map<std::wstring, int> opens_;
    ScopedByteSourceOpener opener_;
};

// Records every mapping error instead of showing it.
class RecordedMappingErrors {
public:
    RecordedMappingErrors();
    std::vector<uint32_t> Errors() const;

private:
    mutable std::mutex lock_;
    std::vector<uint32_t> errors_;
    ScopedMappingErrorReporter reporter_;
};
