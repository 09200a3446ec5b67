#include "MemoryByteSource.h"

#include <algorithm>
#include <cerrno>

namespace {

class HeapView final : public MappedBytes {
public:
    HeapView(const uint8_t* from, size_t size) : bytes_(std::make_unique<uint8_t[]>(size)), size_(size) {
        std::copy_n(from, size, bytes_.get());
    }
    const uint8_t* data() const override { return bytes_.get(); }
    size_t size() const override { return size_; }

private:
    std::unique_ptr<uint8_t[]> bytes_;
    size_t size_;
};

class SharedView final : public MappedBytes {
public:
    SharedView(const uint8_t* data, size_t size) : data_(data), size_(size) {}
    const uint8_t* data() const override { return data_; }
    size_t size() const override { return size_; }

private:
    const uint8_t* data_;
    size_t size_;
};

class MemoryByteSource final : public ByteSource {
public:
    MemoryByteSource(std::vector<uint8_t> bytes, bool copyEachView, uint32_t granularity)
        : bytes_(std::move(bytes)), copyEachView_(copyEachView), granularity_(granularity) {}

    uint64_t Size() const override { return bytes_.size(); }
    uint32_t AllocationGranularity() const override { return granularity_; }

    std::unique_ptr<MappedBytes> Map(uint64_t offset, size_t length, ViewUse, uint32_t& systemError) override {
        if (length == 0 || offset % granularity_ != 0 || offset > bytes_.size() ||
            length > bytes_.size() - offset) {
            systemError = EINVAL;
            return nullptr;
        }
        const uint8_t* from = bytes_.data() + offset;
        if (copyEachView_) return std::make_unique<HeapView>(from, length);
        return std::make_unique<SharedView>(from, length);
    }

private:
    std::vector<uint8_t> bytes_;
    bool copyEachView_;
    uint32_t granularity_;
};

}  // namespace

std::unique_ptr<ByteSource> MakeMemoryByteSource(std::vector<uint8_t> bytes, bool copyEachView,
                                                 uint32_t granularity) {
    return std::make_unique<MemoryByteSource>(std::move(bytes), copyEachView, granularity == 0 ? 1 : granularity);
}
