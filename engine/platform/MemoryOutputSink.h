#pragma once

#include <vector>

#include "OutputSink.h"

// Collects the written bytes in memory, for tests and fuzzing.
class MemoryOutputSink final : public OutputSink {
public:
    bool Write(const uint8_t* data, size_t size) override {
        bytes_.insert(bytes_.end(), data, data + size);
        return true;
    }
    const std::vector<uint8_t>& Bytes() const { return bytes_; }

private:
    std::vector<uint8_t> bytes_;
};
