#pragma once

#include <cstddef>
#include <cstdint>

// A read-only run of bytes with its length. Every parser of file data takes
// one of these, so a bound is known wherever bytes are read.
class ByteView {
public:
    constexpr ByteView() = default;
    constexpr ByteView(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    constexpr const uint8_t* data() const { return data_; }
    constexpr size_t size() const { return size_; }
    constexpr bool empty() const { return size_ == 0; }

    // True when [offset, offset + length) lies inside the view, without overflow.
    constexpr bool Contains(size_t offset, size_t length) const {
        return offset <= size_ && length <= size_ - offset;
    }

    // The part from offset on; empty when offset is past the end.
    constexpr ByteView From(size_t offset) const {
        return offset <= size_ ? ByteView(data_ + offset, size_ - offset) : ByteView();
    }

    // The first length bytes, or the whole view when it is shorter.
    constexpr ByteView First(size_t length) const {
        return ByteView(data_, length < size_ ? length : size_);
    }

private:
    const uint8_t* data_ = nullptr;
    size_t size_ = 0;
};
