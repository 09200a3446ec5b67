#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

#include "ReplaceableHook.h"

// One read-only view of a source's bytes; unmapped when the object goes.
class MappedBytes {
public:
    virtual ~MappedBytes() = default;
    virtual const uint8_t* data() const = 0;
    virtual size_t size() const = 0;
};

// How a view will be read: a few of its bytes, or all of them in order
// (a copy), which the system can map ahead of the reads.
enum class ViewUse { kPeek, kReadThrough };

// The bytes of one open file, read only through views. Views start at
// multiples of the allocation granularity, as memory mappings must.
class ByteSource {
public:
    virtual ~ByteSource() = default;
    virtual uint64_t Size() const = 0;
    virtual uint32_t AllocationGranularity() const = 0;

    // Maps length bytes from alignedOffset. On failure returns null and sets
    // systemError to the platform's error code.
    virtual std::unique_ptr<MappedBytes> Map(uint64_t alignedOffset, size_t length, ViewUse use,
                                             uint32_t& systemError) = 0;
};

// Opens an existing file for mapping, with read sharing. Null when the file
// cannot be opened or mapped (an empty file cannot), or is 4 GiB or larger.
std::unique_ptr<ByteSource> OpenFileByteSource(const std::filesystem::path& path);

// How readers open files; tests wrap it to count or fake opens.
using ByteSourceOpener = std::function<std::unique_ptr<ByteSource>(const std::filesystem::path&)>;

std::unique_ptr<ByteSource> OpenByteSource(const std::filesystem::path& path);

ReplaceableHook<ByteSourceOpener>& ByteSourceOpenerHook();

class ScopedByteSourceOpener : public ScopedHookReplacement<ByteSourceOpener> {
public:
    explicit ScopedByteSourceOpener(ByteSourceOpener opener)
        : ScopedHookReplacement(ByteSourceOpenerHook(), std::move(opener)) {}
};
