#include <gtest/gtest.h>

#include "FixedOffsetTimeZone.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "format/DataSectionHandlers.h"
#include "format/FrameRecordIndex.h"

namespace {

// Every standard recording read back from the files the build made: the
// data section holds its recipe's entries, and a frame index built over it
// never points outside the records. (The recorder record of each is checked
// where the engine reads it.)
class StandardRecordingFiles : public ::testing::TestWithParam<RecordingRecipe> {};

TEST_P(StandardRecordingFiles, DataSectionHoldsTheRecipe) {
    const RecordingRecipe& recipe = GetParam();
    const std::vector<uint8_t> file = ReadWholeFile(TestRecordingPath(recipe.fileName));
    ASSERT_FALSE(file.empty());
    const ByteView area = FindDataArea(file);
    if (recipe.cutAt != 0) {
        EXPECT_TRUE(area.empty()) << "a cut file has no data section";
        return;
    }
    ASSERT_FALSE(area.empty());

    ClipRecords records;
    ASSERT_EQ(UdatRecordsHandler(area, records, FixedOffsetTimeZone()), kHandlerDone);
    ASSERT_EQ(CsRecordHandler(area, records.cs), kHandlerDone);
    const int n = recipe.EntryCount();
    ASSERT_EQ(records.entryCount, n);

    if (n > 0 && !recipe.csRunInEntry0) {  // entry 0 of a run holds the run's record
        const ExpectedEntry x = ExpectEntry(recipe, n - 1);
        EXPECT_NEAR(records.gps[n - 1].latitude, x.latitude, 1e-9);
        EXPECT_EQ(records.gps[n - 1].fixTime, ExpectedFixTime(recipe, n - 1));
    }

    const int frames = ExpectedFrameCount(recipe);
    const float frameDuration = 1000.0f / static_cast<float>(90000 / recipe.frameDelta);
    ASSERT_EQ(BuildFrameRecordIndex(records, frames, frameDuration), n > 0);
    if (n == 0) return;
    ASSERT_EQ(records.frameIndex.size(), static_cast<size_t>(frames));
    for (const GSensorRecord* g : records.frameIndex) {
        ASSERT_GE(g, records.gsensor.data());
        ASSERT_LT(g, records.gsensor.data() + n);
    }
}

std::string RecipeName(const ::testing::TestParamInfo<RecordingRecipe>& info) {
    std::string name;
    for (char c : info.param.fileName) name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(All, StandardRecordingFiles, ::testing::ValuesIn(StandardRecordings()), RecipeName);

}  // namespace
