// The walk to the data section maps views but reads only box headers: on a
// recording with 1 GiB of media data it faults in a handful of pages.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include "ReaderTestSupport.h"
#include "SparseRecording.h"
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
    ASSERT_TRUE(MakeRecordingBehindHoles(path, 8 + (1u << 30), 16));

    MappedMovieFile reader;
    ASSERT_TRUE(reader.Init());
    ASSERT_TRUE(reader.OpenAndParse(path.wstring()));  // first run: code and heap pages
    const long before = MinorFaults();
    ASSERT_TRUE(reader.OpenAndParse(path.wstring()));
    EXPECT_EQ(reader.Records()->gps.size(), 16u);
    EXPECT_LT(MinorFaults() - before, 200) << "the media data must not be read";
}

}  // namespace
