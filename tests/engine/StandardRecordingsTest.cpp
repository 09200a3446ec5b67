#include <gtest/gtest.h>

#include "FixedOffsetTimeZone.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "format/DataSectionHandlers.h"
#include "format/FrameRecordIndex.h"

namespace {

// Every standard recording read back from the files the build made: the
// data section holds what its recipe put there, and a frame index built over
// it never points outside the records.
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

    for (int i = 0; i < n; ++i) {
        if (recipe.csRunInEntry0 && i == 0) continue;  // entry 0 holds the run record
        const ExpectedEntry x = ExpectEntry(recipe, i);
        ASSERT_NEAR(records.gps[i].latitude, x.latitude, 1e-9) << i;
        ASSERT_NEAR(records.gps[i].longitude, x.longitude, 1e-9) << i;
        ASSERT_EQ(records.gps[i].valid, recipe.track.valid ? 1u : 0u);
        ASSERT_EQ(records.gps[i].fixTime, ExpectedFixTime(recipe, i)) << i;
        ASSERT_EQ(records.gsensor[i].x, static_cast<double>(static_cast<float>(x.gx) / 1000.0f)) << i;
        ASSERT_EQ(records.gsensor[i].manualMark, x.manualMark ? 1u : 0u) << i;
    }

    const std::string version(reinterpret_cast<const char*>(records.cs.versionBytes), 7);
    if (recipe.csRunInEntry0) {
        EXPECT_EQ(records.cs.typeLetter, 'D');
        EXPECT_EQ(version, "090807F");
    } else if (recipe.recordType == 'M' || recipe.recordType == 'D') {
        char expected[8];
        std::snprintf(expected, sizeof expected, "%02d%02d%02d%c", recipe.firmware[0], recipe.firmware[1],
                      recipe.firmware[2], recipe.resolutionLetter);
        EXPECT_EQ(version, expected);
        EXPECT_EQ(records.cs.numbers[3], 0.004f);
    } else {
        EXPECT_EQ(records.cs.numbers[0], -1.0f);
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
