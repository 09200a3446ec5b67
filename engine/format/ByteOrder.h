#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

// Recording files store numbers big-endian; these are the only places that
// assemble or split them, byte by byte, whatever the host order.

inline uint16_t ReadU16BE(const uint8_t* p) {
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}

inline uint32_t ReadU32BE(const uint8_t* p) {
    return (uint32_t{p[0]} << 24) | (uint32_t{p[1]} << 16) | (uint32_t{p[2]} << 8) |
           uint32_t{p[3]};
}

inline void WriteU16BE(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v >> 8);
    p[1] = static_cast<uint8_t>(v);
}

inline void WriteU32BE(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v >> 24);
    p[1] = static_cast<uint8_t>(v >> 16);
    p[2] = static_cast<uint8_t>(v >> 8);
    p[3] = static_cast<uint8_t>(v);
}

// True when the n bytes at p spell the given tag (no terminator compared).
inline bool BytesEqual(const uint8_t* p, const char* tag, size_t n) {
    return std::memcmp(p, tag, n) == 0;
}
