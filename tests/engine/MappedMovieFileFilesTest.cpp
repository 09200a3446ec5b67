// The reader on real files through the platform's mapping: the standard
// recordings, views that straddle allocation boundaries, and files far
// larger than any view.

#include <gtest/gtest.h>

#include "BoxBytes.h"
#include "ReaderTestSupport.h"
#include "SparseFile.h"
#include "SparseRecording.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "format/ByteOrder.h"
#include "reader/MappedMovieFile.h"

namespace {

constexpr uint64_t kGranularity = 65536;

class MappedMovieFileFilesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(reader_.Init()); }
    void TearDown() override { EXPECT_TRUE(errors_.Errors().empty()) << "no error box may come up"; }

    RecordedMappingErrors errors_;
    MappedMovieFile reader_;
};

TEST_F(MappedMovieFileFilesTest, StandardRecordings) {
    for (const RecordingRecipe& recipe : StandardRecordings()) {
        const std::wstring path = TestRecordingPath(recipe.fileName).wstring();
        const bool parsed = reader_.OpenAndParse(path);
        if (recipe.cutAt != 0) {
            EXPECT_FALSE(parsed) << recipe.fileName;
            EXPECT_EQ(reader_.Records(), nullptr);
            continue;
        }
        ASSERT_TRUE(parsed) << recipe.fileName;
        // With the section ahead of the media data the entries are not read.
        const size_t expected = recipe.udatBeforeMdat ? 0 : static_cast<size_t>(recipe.EntryCount());
        EXPECT_EQ(reader_.Records()->gps.size(), expected) << recipe.fileName;
        EXPECT_EQ(reader_.Cs().typeLetter, recipe.csRunInEntry0 ? 'D' : recipe.recordType) << recipe.fileName;
        EXPECT_FALSE(reader_.IsOpen());
        EXPECT_EQ(reader_.Path(), path);
    }
}

// Puts a "free" box in front of the data section so that it starts
// `before` bytes ahead of an allocation boundary.
Bytes WithSectionBeforeBoundary(const Bytes& file, uint64_t before) {
    const size_t at = FindTopLevelBox(file, "udat");
    uint64_t pad = (kGranularity - (at + before) % kGranularity) % kGranularity;
    if (pad < 8) pad += kGranularity;
    const Bytes filler = Box("free", Zeros(static_cast<size_t>(pad - 8)));
    Bytes moved(file.begin(), file.begin() + static_cast<std::ptrdiff_t>(at));
    moved.insert(moved.end(), filler.begin(), filler.end());
    moved.insert(moved.end(), file.begin() + static_cast<std::ptrdiff_t>(at), file.end());
    return moved;
}

TEST_F(MappedMovieFileFilesTest, ViewsAcrossAllocationBoundaries) {
    ScratchFolder dir;
    const Bytes original = ReadWholeFile(TestRecordingPath("2401020304_A001.MOV"));
    // The header, the recorder record and the first entries each straddle a boundary.
    for (const uint64_t before : {3u, 5u, 8u, 20u, 50u, 200u}) {
        const auto path = dir / ("boundary" + std::to_string(before) + ".MOV");
        const Bytes moved = WithSectionBeforeBoundary(original, before);
        ASSERT_EQ((FindTopLevelBox(moved, "udat") + before) % kGranularity, 0u);
        WriteWholeFile(path, moved);
        ASSERT_TRUE(reader_.OpenAndParse(path.wstring())) << before;
        EXPECT_EQ(reader_.Records()->gps.size(), 80u);
        EXPECT_EQ(reader_.Cs().typeLetter, 'M');
    }
}

// A recording whose media data is 2.25 GiB of holes: the walk must step over
// it with an unsigned size and find the data section behind it.
TEST_F(MappedMovieFileFilesTest, MediaDataOfMoreThanTwoGibibytes) {
    ScratchFolder dir;
    const auto path = dir / "long.MOV";
    const uint32_t mediaSize = 0x90000000u;
    ASSERT_TRUE(MakeRecordingBehindHoles(path, mediaSize, 16));
    ASSERT_TRUE(reader_.OpenAndParse(path.wstring()));
    EXPECT_EQ(reader_.Records()->gps.size(), 16u);
    EXPECT_EQ(reader_.MediaDataSize(), mediaSize);
}

TEST_F(MappedMovieFileFilesTest, FilesOfFourGibibytesOrMoreAreRefused) {
    ScratchFolder dir;
    const auto path = dir / "huge.MOV";
    ASSERT_TRUE(MakeSparseFile(path, 0x100000010ull, {{0, std::string("\0\0\0\x10""ftyp", 8)}}));
    EXPECT_FALSE(reader_.Open(path.wstring()));
    EXPECT_FALSE(reader_.OpenAndParse(path.wstring()));
    EXPECT_EQ(reader_.Records(), nullptr);
}

TEST_F(MappedMovieFileFilesTest, EmptyFileDoesNotOpen) {
    ScratchFolder dir;
    WriteWholeFile(dir / "empty.MOV", {});
    EXPECT_FALSE(reader_.OpenAndParse((dir / "empty.MOV").wstring()));
    EXPECT_TRUE(reader_.Path().empty());
}

}  // namespace
