#pragma once

// What every fuzzer over whole files shares: the input served as named
// files from memory (each view an exact-size heap block, so a read past a
// view is caught), a view that cannot be made counted as a finding, a
// reader set up once, and a check that stops at the first broken promise.

#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "FixedOffsetTimeZone.h"
#include "platform/MappingErrorReporter.h"
#include "platform/MemoryByteSource.h"
#include "reader/MappedMovieFile.h"

namespace fuzz {

inline void Check(bool condition) {
    if (!condition) std::abort();
}

inline std::map<std::wstring, std::vector<uint8_t>>& Files() {
    static std::map<std::wstring, std::vector<uint8_t>> files;
    return files;
}

// Installs the memory files for the whole run; an empty file cannot be
// opened, as an empty file cannot be mapped.
inline void ServeFilesFromMemory() {
    static ScopedByteSourceOpener opener([](const std::filesystem::path& path) -> std::unique_ptr<ByteSource> {
        const auto found = Files().find(path.wstring());
        if (found == Files().end() || found->second.empty()) return nullptr;
        return MakeMemoryByteSource(found->second);
    });
    static ScopedMappingErrorReporter noViewMayFail([](uint32_t) { std::abort(); });
}

inline void SetFile(const std::wstring& name, const uint8_t* data, size_t size) {
    Files()[name] = std::vector<uint8_t>(data, data + size);
}

inline MappedMovieFile& Reader() {
    static const FixedOffsetTimeZone zone(9 * 60);
    static MappedMovieFile reader;
    static const bool ready = [] {
        reader.SetTimeZone(zone);
        return reader.Init();
    }();
    Check(ready);
    return reader;
}

}  // namespace fuzz
