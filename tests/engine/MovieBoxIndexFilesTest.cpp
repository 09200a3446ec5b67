// The box index on the standard recordings, through the platform's real
// mapping: what it reads must be what the recording builder wrote.

#include <gtest/gtest.h>

#include "BoxBytes.h"
#include "FixedOffsetTimeZone.h"
#include "KnownBoxTypes.h"
#include "ReaderTestSupport.h"
#include "SparseFile.h"
#include "SparseRecording.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "index/MovieBoxIndex.h"

namespace {

class MovieBoxIndexFilesTest : public ::testing::TestWithParam<RecordingRecipe> {
protected:
    void SetUp() override { ASSERT_TRUE(BuildKnownBoxTypes()); }
    void TearDown() override {
        FreeKnownBoxTypes();
        EXPECT_TRUE(errors_.Errors().empty());
    }
    RecordedMappingErrors errors_;
};

// Recordings whose tree the index cannot list: cut inside the media data,
// or with the movie's "wide" box, which is no known type.
bool Unlisted(const RecordingRecipe& recipe) { return recipe.cutAt != 0 || recipe.keepWide; }

TEST_P(MovieBoxIndexFilesTest, ReadsWhatTheBuilderWrote) {
    const RecordingRecipe& recipe = GetParam();
    const auto path = TestRecordingPath(recipe.fileName);
    const auto index = MovieBoxIndex::Open(path.wstring());
    if (recipe.cutAt != 0) {
        EXPECT_EQ(index, nullptr) << "the media data runs past the end of the file";
        return;
    }
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->Root().GetTotalSize() - 8, std::filesystem::file_size(path));
    if (Unlisted(recipe)) return;

    EXPECT_EQ(index->GetFrameSize(), uint64_t(recipe.width) | (uint64_t(recipe.height) << 32));
    EXPECT_EQ(index->GetFrameCount(), ExpectedFrameCount(recipe));
    if (recipe.frameDelta == 3003) {
        EXPECT_NEAR(index->GetFrameRate(), 29.97f, 0.0001f);
    } else {
        EXPECT_EQ(index->GetFrameRate(), 30.0f);
    }

    SystemTime start;
    start.wYear = 1999;
    ASSERT_TRUE(index->FindRecordingStartTime(start, FixedOffsetTimeZone(9 * 60)));
    if (recipe.EntryCount() == 0) {
        EXPECT_TRUE(start.IsZero());
    } else if (!recipe.csRunInEntry0) {  // that entry 0 holds a second recorder record
        EXPECT_EQ(start, ExpectedFixTime(recipe, 0));
    }

    const size_t tracks = recipe.audio ? 2 : 1;
    EXPECT_EQ(index->List(BoxList::kMdat).size(), 1u);
    EXPECT_EQ(index->List(BoxList::kUdat).size(), 1u);
    EXPECT_EQ(index->List(BoxList::kStsz).size(), tracks);
    EXPECT_EQ(index->List(BoxList::kStco).size(), tracks);
    EXPECT_EQ(index->List(BoxList::kStts).size(), tracks);
    EXPECT_EQ(index->List(BoxList::kStss).size(), 1u) << "sync samples in the video track only";
    EXPECT_EQ(index->First(BoxList::kUdat)->entryCount, static_cast<uint64_t>(recipe.EntryCount()));
}

std::string RecipeName(const ::testing::TestParamInfo<RecordingRecipe>& info) {
    std::string name;
    for (char c : info.param.fileName) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Standard, MovieBoxIndexFilesTest, ::testing::ValuesIn(StandardRecordings()), RecipeName);

class MovieBoxIndexLayoutTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BuildKnownBoxTypes()); }
    void TearDown() override { FreeKnownBoxTypes(); }

    static std::unique_ptr<MovieBoxIndex> OpenRecording(const char* name) {
        return MovieBoxIndex::Open(TestRecordingPath(name).wstring());
    }
};

// The movie's own layout, with "wide" after "ftyp": the root's children end
// there and nothing is listed, so the export falls back and a join refuses.
TEST_F(MovieBoxIndexLayoutTest, WideBoxEndsTheTopLevel) {
    const auto index = OpenRecording("wide_kept.MOV");
    ASSERT_NE(index, nullptr);
    ASSERT_EQ(index->Root().children.size(), 1u);
    EXPECT_TRUE(index->Root().children[0].TypeIs("ftyp"));
    EXPECT_EQ(index->Root().leaf, 1u);
    for (size_t i = 0; i < kBoxListCount; ++i) EXPECT_TRUE(index->List(static_cast<BoxList>(i)).empty());
    EXPECT_EQ(index->GetFrameCount(), -1);
    SystemTime start;
    EXPECT_FALSE(index->FindRecordingStartTime(start));
}

// The data section behind 3 GiB of media data (holes on disk): found with
// an unsigned size, its start time read through a view far into the file.
TEST_F(MovieBoxIndexLayoutTest, DataSectionBehindThreeGibibytes) {
    ScratchFolder dir;
    const auto path = dir / "long.MOV";
    const uint32_t mediaSize = 0xC0000000u;
    ASSERT_TRUE(MakeRecordingBehindHoles(path, mediaSize, 16));
    const uint64_t sectionAt = 16 + uint64_t{mediaSize};  // behind the 16-byte "ftyp"
    RecordingRecipe recipe;
    const auto index = MovieBoxIndex::Open(path.wstring());
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->First(BoxList::kMdat)->sourceSize, mediaSize - 8u);
    EXPECT_EQ(index->First(BoxList::kUdat)->sourceOffset, sectionAt + 8);
    SystemTime start;
    ASSERT_TRUE(index->FindRecordingStartTime(start, FixedOffsetTimeZone()));
    EXPECT_EQ(start, ExpectedFixTime(recipe, 0));
}

TEST_F(MovieBoxIndexLayoutTest, FilesOfFourGibibytesOrMoreAreRefused) {
    ScratchFolder dir;
    const auto path = dir / "huge.MOV";
    ASSERT_TRUE(MakeSparseFile(path, 0x100000010ull, {{0, std::string("\0\0\0\x10""ftyp", 8)}}));
    EXPECT_EQ(MovieBoxIndex::Open(path.wstring()), nullptr);
}

}  // namespace
