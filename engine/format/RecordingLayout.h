#pragma once

#include <cstddef>
#include <cstdint>

// Layout of a recorder's movie file: the 8-byte box header, the recorder data
// section in the top-level "udat" box, and the marks the recorder-file test
// looks for. Numbers in the file are big-endian (ByteOrder.h).
namespace RecordingLayout {

// Box header: size (u32, header included) then four type characters.
constexpr size_t kBoxHeaderSize = 8;
constexpr size_t kBoxTypeOffset = 4;
constexpr size_t kBoxTypeSize = 4;

// Files of 4 GiB and more cannot be described by 32-bit box sizes and are
// refused by every reader.
constexpr uint64_t kLargestFileSize = 0xFFFFFFFFull;

// The data section: "CSMDAT", a 26-byte recorder record, a u16 entry count,
// the entries, "CSMEND".
constexpr char kDataSectionType[] = "udat";
constexpr char kSectionStartMark[] = "CSMDAT";
constexpr char kSectionEndMark[] = "CSMEND";
constexpr size_t kMarkSize = 6;
constexpr size_t kRecorderRecordSize = 26;
constexpr size_t kEntryCountSize = 2;
constexpr size_t kUdatEntrySize = 124;
// The entry count is a u16.
constexpr uint64_t kLargestEntryCount = 0xFFFF;

// Every recording's media data opens with bytes that hold no sample; a join
// drops them from each further recording.
constexpr uint64_t kUnusedMediaBytes = 8;

// Handlers receive a box's "data area": the bytes from just after "CSMDAT".
constexpr size_t kDataAreaOffsetInBox = kBoxHeaderSize + kMarkSize;          // 14
constexpr size_t kEntryCountOffset = kRecorderRecordSize;                    // 26 in the data area
constexpr size_t kFirstEntryOffset = kEntryCountOffset + kEntryCountSize;    // 28 in the data area
constexpr size_t kSectionFixedBodySize = 2 * kMarkSize + kRecorderRecordSize + kEntryCountSize;  // 40

// The same fields counted from the start of the "udat" body ("CSMDAT").
constexpr size_t kRecorderRecordOffsetInBody = kMarkSize;                                       // 6
constexpr size_t kEntryCountOffsetInBody = kRecorderRecordOffsetInBody + kRecorderRecordSize;  // 32
constexpr size_t kFirstEntryOffsetInBody = kEntryCountOffsetInBody + kEntryCountSize;          // 34

constexpr uint64_t DataSectionBodySize(uint64_t entries) {
    return kSectionFixedBodySize + kUdatEntrySize * entries;
}
constexpr uint64_t DataSectionBoxSize(uint64_t entries) {
    return kBoxHeaderSize + DataSectionBodySize(entries);
}
// Offset of entry i inside the data area.
constexpr size_t EntryOffset(size_t index) { return kFirstEntryOffset + kUdatEntrySize * index; }

// A run of "@CS" records: each is 34 bytes, its successor's tag is tested at
// record byte 30 ("@CS" plus an upper-case letter).
constexpr char kCsRunTag[] = "@CS";
constexpr size_t kCsRunTagSize = 3;
constexpr size_t kCsRecordStride = 34;
constexpr size_t kCsContinuationOffset = 30;

// Recorder-file test: the file's last 18 bytes begin with "CSMEND" and its
// first 260 bytes can be read, with "ftyp" at bytes 4-7.
constexpr size_t kRecorderFileTailSize = 18;
constexpr size_t kRecorderFileHeadSize = 260;
constexpr char kFileTypeBox[] = "ftyp";

// The time scale assumed for every track: frame rate = 90000 / sample delta.
constexpr uint32_t kTimeScale = 90000;

// The four-character box types the system knows, in the recorder's table
// order. "xml " stands twice, so 168 entries hold 167 distinct types.
constexpr size_t kKnownBoxTypeTableSize = 168;
extern const char kKnownBoxTypes[kKnownBoxTypeTableSize][5];

}  // namespace RecordingLayout
