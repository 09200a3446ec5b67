#include "format/RecorderFile.h"

#include <gtest/gtest.h>

#include "SparseFile.h"
#include "TestRecordings.h"

namespace {

// A file of the given size with "ftyp" at bytes 4-7 and "CSMEND" at size - 18,
// unless told otherwise.
std::vector<uint8_t> MarkedBytes(size_t size, const char* type = "ftyp", size_t endMarkFromEnd = 18) {
    std::vector<uint8_t> bytes(size, 0);
    std::copy_n(type, 4, bytes.begin() + 4);
    std::copy_n("CSMEND", 6, bytes.end() - endMarkFromEnd);
    return bytes;
}

TEST(RecorderFile, StandardRecordingsAndLayoutVariants) {
    const std::pair<const char*, bool> cases[] = {
        {"2401020304_A001.MOV", true}, {"2401020312_G002.MOV", true}, {"2401020320_M003.MOV", true},
        {"2401020330_P004.MOV", true}, {"tail_in_udat.MOV", true},   {"tail_raw.MOV", true},
        {"wide_kept.MOV", true},       {"entries_0.MOV", true},      {"cs_run.MOV", true},
        {"padded_40MiB.MOV", true},
        // The data section must be followed by exactly 12 bytes.
        {"tail_none.MOV", false},      {"udat_first.MOV", false},    {"cut_in_mdat.MOV", false},
    };
    for (const auto& [name, expected] : cases) {
        const auto path = TestRecordingPath(name);
        ASSERT_TRUE(std::filesystem::exists(path)) << path;
        EXPECT_EQ(IsRecorderFile(path), expected) << name;
    }
}

TEST(RecorderFile, SmallFiles) {
    ScratchFolder dir;
    const std::pair<std::vector<uint8_t>, bool> cases[] = {
        {MarkedBytes(260), true},
        {MarkedBytes(259), false},                // 260 bytes must be readable
        {MarkedBytes(260, "moov"), false},        // the first box is not "ftyp"
        {MarkedBytes(300, "ftyp", 6), false},     // "CSMEND" last, nothing after it
        {MarkedBytes(300, "ftyp", 17), false},
        {std::vector<uint8_t>(), false},
    };
    int n = 0;
    for (const auto& [bytes, expected] : cases) {
        const auto path = dir / ("case" + std::to_string(n++) + ".MOV");
        WriteWholeFile(path, bytes);
        EXPECT_EQ(IsRecorderFile(path), expected) << "case " << n - 1;
    }
    EXPECT_FALSE(IsRecorderFile(dir / "missing.MOV"));
    EXPECT_FALSE(IsRecorderFile(dir.path()));
}

TEST(RecorderFile, FilesOfFourGibibytesOrMoreAreRefused) {
    ScratchFolder dir;
    const uint64_t fourGiB = 0x100000000ull;
    for (const uint64_t size : {fourGiB - 1, fourGiB + 16}) {
        const auto path = dir / ("big" + std::to_string(size) + ".MOV");
        ASSERT_TRUE(MakeSparseFile(path, size, {{4, "ftyp"}, {size - 18, "CSMEND"}}));
        EXPECT_EQ(IsRecorderFile(path), size < fourGiB) << size;
    }
}

TEST(RecorderFileImage, ChecksEveryPartOnTheBytesGiven) {
    const std::vector<uint8_t> bytes = MarkedBytes(260);
    const ByteView head(bytes.data(), 260);
    const ByteView tail(bytes.data() + 242, 18);
    EXPECT_TRUE(IsRecorderFileImage(head, tail, 260));
    EXPECT_FALSE(IsRecorderFileImage(head.First(259), tail, 260));
    EXPECT_FALSE(IsRecorderFileImage(head, tail.First(5), 260));
    EXPECT_FALSE(IsRecorderFileImage(head, tail, 0));
    EXPECT_FALSE(IsRecorderFileImage(head, tail, 0x100000000ull));
}

}  // namespace
