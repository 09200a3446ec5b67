#pragma once

#include <vector>

#include "ByteSource.h"

// A byte source over bytes in memory, for tests and fuzzing. With
// copyEachView every view is a separate heap block of exactly its length, so
// a read past a view's end is caught by the address sanitizer.
std::unique_ptr<ByteSource> MakeMemoryByteSource(std::vector<uint8_t> bytes, bool copyEachView = true,
                                                 uint32_t granularity = 65536);
