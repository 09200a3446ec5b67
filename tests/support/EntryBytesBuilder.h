#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "format/ByteView.h"

// Builds data entries and data areas byte by byte at literal positions, so
// tests state the file layout themselves instead of borrowing the parser's
// offsets.
class EntryBytesBuilder {
public:
    // The entry the recorder writes for a plain moving car: valid fix at
    // 35 deg 41.1234' N, 139 deg 45.6789' E, 40 km/h, 2024-01-02 03:04:05,
    // G values -0.123, 0.045, 1.000, no event.
    EntryBytesBuilder() {
        bytes_.fill(' ');
        Text(5, "A").Text(6, "3541.1234").Byte(15, 'N').Text(16, "13945.6789").Byte(26, 'E');
        Text(27, "0040").Text(31, "240102030405").Text(44, "*  ");
        Text(57, "-0123+0045+1000").Text(72, "NXNNNN");
        for (int i = 0; i < 4; ++i) Byte(78 + i, static_cast<uint8_t>(0xF0 + i));
        for (int w = 0; w < 15; ++w) Word(w, 0x2020);
    }

    EntryBytesBuilder& Text(size_t offset, const std::string& text) {
        std::memcpy(bytes_.data() + offset, text.data(), text.size());
        return *this;
    }
    EntryBytesBuilder& Byte(size_t offset, uint8_t value) {
        bytes_[offset] = value;
        return *this;
    }
    // OBD word w, stored little-endian at byte 82 + 2w.
    EntryBytesBuilder& Word(int w, uint16_t value) {
        bytes_[82 + 2 * w] = static_cast<uint8_t>(value);
        bytes_[83 + 2 * w] = static_cast<uint8_t>(value >> 8);
        return *this;
    }

    const std::array<uint8_t, 124>& bytes() const { return bytes_; }

private:
    std::array<uint8_t, 124> bytes_;
};

// A data area: 26-byte recorder record, big-endian count, entries, "CSMEND".
// The count may differ from the entries given, to make broken sections.
inline std::vector<uint8_t> MakeDataArea(const std::string& record, uint16_t count,
                                         const std::vector<EntryBytesBuilder>& entries,
                                         bool withEndMark = true) {
    std::vector<uint8_t> area(record.begin(), record.end());
    area.resize(26, ' ');
    area.push_back(static_cast<uint8_t>(count >> 8));
    area.push_back(static_cast<uint8_t>(count));
    for (const EntryBytesBuilder& e : entries) area.insert(area.end(), e.bytes().begin(), e.bytes().end());
    if (withEndMark) area.insert(area.end(), {'C', 'S', 'M', 'E', 'N', 'D'});
    return area;
}

inline ByteView ViewOf(const std::vector<uint8_t>& bytes) { return ByteView(bytes.data(), bytes.size()); }

// A plain recorder record: numbers 1, 2, 3, 4 (thousandths), type 'M',
// firmware 01.02.03, resolution 'H', spare bytes "xy".
constexpr char kPlainRecorderRecord[] = "0001000200030004M010203Hxy";
