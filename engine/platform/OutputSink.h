#pragma once

#include <cstddef>
#include <cstdint>

// Where a written file's bytes go, in order. A write that cannot be done
// whole returns false; the writer then stops and the output is worthless.
class OutputSink {
public:
    virtual ~OutputSink() = default;
    virtual bool Write(const uint8_t* data, size_t size) = 0;
};
