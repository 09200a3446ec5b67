// The walk to the data section maps views but reads only box headers: on a
// recording with 1 GiB of media data it faults in a handful of pages.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include "BoxBytes.h"
#include "ReaderTestSupport.h"
#include "RecordingRecipe.h"
#include "SparseFile.h"
#include "TestRecordings.h"
#include "reader/MappedMovieFile.h"

namespace {

long MinorFaults() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

TEST(ReaderPages, WalkDoesNotReadTheMediaData) {
    ScratchFolder dir;
    const auto path = dir / "large.MOV";
    const uint32_t media = 1u << 30;
    RecordingRecipe recipe;
    recipe.entryCount = 16;
    const Bytes head = Concat({Box("ftyp", {'q', 't', ' ', ' ', 0, 0, 0, 0}), BoxWithSize(8 + media, "mdat", {})});
    const Bytes tail = Concat({MakeDataSectionBox(recipe), MakeRecordingTail(RecordingTail::FreeBox)});
    const uint64_t sectionAt = head.size() + uint64_t{media};
    ASSERT_TRUE(MakeSparseFile(path, sectionAt + tail.size(),
                               {{0, std::string(head.begin(), head.end())},
                                {sectionAt, std::string(tail.begin(), tail.end())}}));

    MappedMovieFile reader;
    ASSERT_TRUE(reader.Init());
    ASSERT_TRUE(reader.OpenAndParse(path.wstring()));  // first run: code and heap pages
    const long before = MinorFaults();
    ASSERT_TRUE(reader.OpenAndParse(path.wstring()));
    EXPECT_EQ(reader.Records()->gps.size(), 16u);
    EXPECT_LT(MinorFaults() - before, 200) << "the media data must not be read";
}

}  // namespace
