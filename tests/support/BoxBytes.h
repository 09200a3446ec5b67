#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

// Small helpers that lay out boxes byte by byte for reader tests, so a test
// can build exactly the malformed file it needs.
using Bytes = std::vector<uint8_t>;

// A box: big-endian size (header included, unless given), type, body.
Bytes Box(const std::string& type, const Bytes& body);
Bytes BoxWithSize(uint32_t size, const std::string& type, const Bytes& body);
Bytes Concat(std::initializer_list<Bytes> parts);
Bytes Zeros(size_t count);

// An "stts" body with one entry: count samples of the given delta.
Bytes SttsBody(uint32_t sampleCount, uint32_t delta);
// moov > trak > mdia > minf > stbl > stts with the given body.
Bytes MoovWithStts(const Bytes& sttsBody);

// The position of the first top-level box of a type; SIZE_MAX when absent.
size_t FindTopLevelBox(const Bytes& file, const std::string& type);
