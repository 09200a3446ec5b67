#include "BoxBytes.h"

#include <cstring>

#include "format/ByteOrder.h"

Bytes BoxWithSize(uint32_t size, const std::string& type, const Bytes& body) {
    Bytes box(8);
    WriteU32BE(box.data(), size);
    std::memcpy(box.data() + 4, type.data(), 4);
    box.insert(box.end(), body.begin(), body.end());
    return box;
}

Bytes Box(const std::string& type, const Bytes& body) {
    return BoxWithSize(static_cast<uint32_t>(8 + body.size()), type, body);
}

Bytes Concat(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

Bytes Zeros(size_t count) { return Bytes(count, 0); }

Bytes SttsBody(uint32_t sampleCount, uint32_t delta) {
    Bytes body(16, 0);
    WriteU32BE(body.data() + 4, 1);
    WriteU32BE(body.data() + 8, sampleCount);
    WriteU32BE(body.data() + 12, delta);
    return body;
}

Bytes MoovWithStts(const Bytes& sttsBody) {
    return Box("moov", Box("trak", Box("mdia", Box("minf", Box("stbl", Box("stts", sttsBody))))));
}

size_t FindTopLevelBox(const Bytes& file, const std::string& type) {
    size_t at = 0;
    while (at + 8 <= file.size()) {
        const uint32_t size = ReadU32BE(file.data() + at);
        if (std::memcmp(file.data() + at + 4, type.data(), 4) == 0) return at;
        if (size < 8) break;
        at += size;
    }
    return SIZE_MAX;
}
