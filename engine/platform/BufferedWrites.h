#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// Gathers small writes (box headers, table bodies) so they reach the file
// in a few large ones; large writes go straight through. writeAll writes
// the whole run it is given or returns false.
template <typename WriteAll>
class BufferedWrites {
public:
    explicit BufferedWrites(WriteAll writeAll) : writeAll_(writeAll) { buffer_.reserve(kCapacity); }

    bool Write(const uint8_t* data, size_t size) {
        if (size <= kCapacity - buffer_.size()) {
            buffer_.insert(buffer_.end(), data, data + size);
            return true;
        }
        if (!Flush()) return false;
        if (size < kCapacity) return Write(data, size);
        return writeAll_(data, size);
    }

    bool Flush() {
        if (buffer_.empty()) return true;
        const bool written = writeAll_(buffer_.data(), buffer_.size());
        buffer_.clear();
        return written;
    }

private:
    static constexpr size_t kCapacity = 1 << 20;
    WriteAll writeAll_;
    std::vector<uint8_t> buffer_;
};
