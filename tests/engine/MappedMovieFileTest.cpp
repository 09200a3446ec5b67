#include "reader/MappedMovieFile.h"

#include <gtest/gtest.h>

#include "BoxBytes.h"
#include "ReaderTestSupport.h"
#include "RecordingRecipe.h"
#include "format/ByteOrder.h"
#include "format/DataSectionHandlers.h"
#include "format/FrameRecordIndex.h"

namespace {

constexpr wchar_t kPath[] = L"memory/2401020304_A001.MOV";

Bytes DataSection(int entries) {
    RecordingRecipe recipe;
    recipe.entryCount = entries;
    return MakeDataSectionBox(recipe);
}

Bytes Ftyp() { return Box("ftyp", {'q', 't', ' ', ' ', 0, 0, 2, 0, 'q', 't', ' ', ' '}); }
Bytes Mdat() { return Box("mdat", Zeros(24)); }
Bytes Tail() { return Box("free", Zeros(4)); }

// ftyp, free, mdat, moov, udat with 16 entries, 12-byte free: the layout the
// recorder writes, without real media.
Bytes SmallRecording(const Bytes& dataSection = DataSection(16)) {
    return Concat({Ftyp(), Box("free", {}), Mdat(), MoovWithStts(SttsBody(240, 3003)), dataSection, Tail()});
}

class MappedMovieFileTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(reader_.Init()); }

    bool Parse(Bytes bytes) {
        files_.Add(kPath, std::move(bytes));
        return reader_.OpenAndParse(kPath);
    }

    void ExpectEmpty() {
        EXPECT_EQ(reader_.Records(), nullptr);
        EXPECT_TRUE(reader_.Path().empty());
        EXPECT_FALSE(reader_.IsOpen());
        EXPECT_EQ(reader_.parsedFlag, 0u);
    }

    MemoryFiles files_;
    RecordedMappingErrors errors_;
    MappedMovieFile reader_;
};

TEST_F(MappedMovieFileTest, ParsesTheDataSectionAndClosesTheFile) {
    ASSERT_TRUE(Parse(SmallRecording()));
    ASSERT_NE(reader_.Records(), nullptr);
    EXPECT_EQ(reader_.Records()->gps.size(), 16u);
    EXPECT_EQ(reader_.Records()->gsensor.size(), 16u);
    EXPECT_EQ(reader_.Records()->obd.size(), 16u);
    EXPECT_EQ(reader_.Records()->entryCount, 16);
    EXPECT_EQ(reader_.Cs().typeLetter, 'M');
    EXPECT_EQ(reader_.MediaDataSize(), 32u);
    EXPECT_EQ(reader_.parsedFlag, 1u);
    EXPECT_FALSE(reader_.IsOpen());
    EXPECT_EQ(reader_.Path(), kPath);
    EXPECT_TRUE(errors_.Errors().empty());
}

TEST_F(MappedMovieFileTest, TailsAfterTheDataSectionDoNotMatter) {
    const Bytes withoutTail = Concat({Ftyp(), Mdat(), DataSection(16)});
    const Bytes rawTail = Concat({withoutTail, Bytes(12, 0xA5)});
    const Bytes strayBytes = Concat({withoutTail, Bytes(5, 0)});
    for (const Bytes* file : {&withoutTail, &rawTail, &strayBytes}) {
        ASSERT_TRUE(Parse(*file));
        EXPECT_EQ(reader_.Records()->gps.size(), 16u);
    }
    EXPECT_TRUE(errors_.Errors().empty());
}

TEST_F(MappedMovieFileTest, MalformedBoxesEndTheWalkWithFailure) {
    const Bytes udat = DataSection(16);
    const std::pair<const char*, Bytes> cases[] = {
        {"size 0", Concat({Ftyp(), BoxWithSize(0, "mdat", Zeros(24)), udat})},
        {"size 4", Concat({Ftyp(), BoxWithSize(4, "mdat", Zeros(24)), udat})},
        {"size 7", Concat({Ftyp(), BoxWithSize(7, "mdat", Zeros(24)), udat})},
        {"size 0x7FFFFFFF", Concat({Ftyp(), BoxWithSize(0x7FFFFFFF, "mdat", Zeros(24)), udat})},
        {"size 0xFFFFFFF8", Concat({Ftyp(), BoxWithSize(0xFFFFFFF8u, "mdat", Zeros(24)), udat})},
        {"past the end by one", Concat({Ftyp(), BoxWithSize(33 + static_cast<uint32_t>(udat.size()), "mdat",
                                                            Zeros(24)), udat})},
        {"stray bytes and no data section", Concat({Ftyp(), Mdat(), Bytes(5, 0)})},
        {"data section header cut", Concat({Ftyp(), Mdat(), Bytes(udat.begin(), udat.begin() + 12)})},
        {"too small for its data area", Concat({Ftyp(), Mdat(), Box("udat", Zeros(3))})},
        {"only a header's worth", Bytes(7, 0)},
    };
    for (const auto& [name, file] : cases) {
        EXPECT_FALSE(Parse(file)) << name;
        ExpectEmpty();
    }
    EXPECT_TRUE(errors_.Errors().empty());
}

TEST_F(MappedMovieFileTest, CountPastTheDataSectionIsRefused) {
    Bytes udat = DataSection(16);
    WriteU16BE(udat.data() + 8 + 32, 17);
    EXPECT_FALSE(Parse(SmallRecording(udat)));
    ExpectEmpty();

    // The entries really are there, but outside the box.
    Bytes shortBox = DataSection(16);
    WriteU32BE(shortBox.data(), static_cast<uint32_t>(shortBox.size() - 130));
    EXPECT_FALSE(Parse(Concat({Ftyp(), Mdat(), shortBox, Zeros(130)})));
}

TEST_F(MappedMovieFileTest, DataSectionBeforeTheMediaDataGivesNoRecords) {
    ASSERT_TRUE(Parse(Concat({Ftyp(), DataSection(16), Mdat(), Tail()})));
    ASSERT_NE(reader_.Records(), nullptr);
    EXPECT_TRUE(reader_.Records()->gps.empty());
    // The recorder record is found wherever the section stands.
    EXPECT_EQ(reader_.Cs().typeLetter, 'M');
    MappedMovieFile other;
    EXPECT_FALSE(other.TakeRecordsFrom(reader_));
}

TEST_F(MappedMovieFileTest, EmptyDataSectionParses) {
    ASSERT_TRUE(Parse(SmallRecording(DataSection(0))));
    EXPECT_TRUE(reader_.Records()->gps.empty());
    EXPECT_EQ(reader_.Records()->entryCount, 0);
}

TEST_F(MappedMovieFileTest, EmptyOrMissingFilesDoNotOpen) {
    files_.Add(kPath, {});
    EXPECT_FALSE(reader_.Open(kPath));
    EXPECT_FALSE(reader_.OpenAndParse(kPath));
    EXPECT_FALSE(reader_.OpenAndParse(L"no/such/file.MOV"));
    ExpectEmpty();
    EXPECT_TRUE(errors_.Errors().empty());
}

TEST_F(MappedMovieFileTest, CancelFailsTheNextWalkAndIsCleared) {
    files_.Add(kPath, SmallRecording());
    ASSERT_TRUE(reader_.Open(kPath));
    reader_.cancelFlag = 1;
    EXPECT_FALSE(reader_.WalkToUdat({3, "@CS", [](MappedMovieFile&, ByteView) { return 1; }}));
    EXPECT_EQ(reader_.cancelFlag, 0u);
    EXPECT_TRUE(reader_.WalkToUdat({3, "@CS", [](MappedMovieFile&, ByteView) { return 1; }}));
}

TEST_F(MappedMovieFileTest, HandlerFailureOrAbsenceFailsTheWalk) {
    files_.Add(kPath, SmallRecording());
    ASSERT_TRUE(reader_.Open(kPath));
    EXPECT_FALSE(reader_.WalkToUdat({3, "@CS", [](MappedMovieFile&, ByteView) { return kHandlerFailed; }}));
    EXPECT_FALSE(reader_.WalkToUdat({3, "@CS", nullptr}));
    EXPECT_FALSE(reader_.WalkToBox({4, "udat", nullptr}, nullptr));
    // A type that is not there is found nowhere: success without a call.
    int calls = 0;
    EXPECT_TRUE(reader_.WalkToBox({4, "none", [&](MappedMovieFile&, ByteView) { return ++calls; }}, nullptr));
    EXPECT_EQ(calls, 0);
}

TEST_F(MappedMovieFileTest, HandlersSeeOnlyTheirBox) {
    files_.Add(kPath, SmallRecording());
    ASSERT_TRUE(reader_.Open(kPath));
    size_t seen = 0;
    ASSERT_TRUE(reader_.WalkToBox({4, "udat", [&](MappedMovieFile&, ByteView area) {
                                       seen = area.size();
                                       return 1;
                                   }},
                                  nullptr));
    EXPECT_EQ(seen, DataSection(16).size() - 14);
}

float FrameRateOf(MappedMovieFile& reader) {
    reader.SetFrameDuration(-1.0f);
    if (!reader.WalkBoxPath({4, "stts", SttsFrameRateHandler})) return -2.0f;
    return reader.FrameDuration();
}

TEST_F(MappedMovieFileTest, FrameRateFromTheFirstTrack) {
    const std::pair<uint32_t, float> rates[] = {{3000, 30.0f}, {3003, 29.0f}, {90000, 1.0f}, {90001, 0.0f}};
    for (const auto& [delta, rate] : rates) {
        files_.Add(kPath, Concat({Ftyp(), Mdat(), MoovWithStts(SttsBody(100, delta))}));
        ASSERT_TRUE(reader_.Open(kPath));
        EXPECT_EQ(FrameRateOf(reader_), rate) << delta;
    }

    files_.Add(kPath, Concat({Ftyp(), MoovWithStts(SttsBody(100, 0))}));
    ASSERT_TRUE(reader_.Open(kPath));
    EXPECT_EQ(FrameRateOf(reader_), -2.0f) << "a delta of 0 fails the walk";

    const Bytes twoTracks =
        Box("moov", Concat({Box("trak", Box("mdia", Box("minf", Box("stbl", Box("stts", SttsBody(10, 3000)))))),
                            Box("trak", Box("mdia", Box("minf", Box("stbl", Box("stts", SttsBody(10, 1500))))))}));
    files_.Add(kPath, Concat({Ftyp(), twoTracks}));
    ASSERT_TRUE(reader_.Open(kPath));
    EXPECT_EQ(FrameRateOf(reader_), 30.0f);

    files_.Add(kPath, Concat({Ftyp(), Mdat()}));
    ASSERT_TRUE(reader_.Open(kPath));
    EXPECT_EQ(FrameRateOf(reader_), -1.0f) << "no stts: success, nothing written";

    files_.Add(kPath, Concat({Ftyp(), Box("moov", Box("trak", Box("stts", Zeros(8))))}));
    ASSERT_TRUE(reader_.Open(kPath));
    EXPECT_EQ(FrameRateOf(reader_), -1.0f) << "an stts outside its path is not the one looked for";
}

TEST_F(MappedMovieFileTest, TakenRecordsKeepTheirLinks) {
    ASSERT_TRUE(Parse(SmallRecording()));
    ASSERT_TRUE(BuildFrameRecordIndex(*reader_.Records(), 48, 1000.0f / 29.0f));
    MappedMovieFile taker;
    ASSERT_TRUE(taker.TakeRecordsFrom(reader_));
    const ClipRecords& records = *taker.Records();
    EXPECT_EQ(records.gsensor[7].gps, &records.gps[3]);
    EXPECT_GE(records.frameIndex.back(), records.gsensor.data());
    EXPECT_EQ(taker.Path(), kPath);
    EXPECT_EQ(reader_.Records(), nullptr);
    EXPECT_TRUE(reader_.Path().empty());
    EXPECT_EQ(reader_.Cs().typeLetter, 0);
}

TEST_F(MappedMovieFileTest, CloseLeavesNothingBehind) {
    ASSERT_TRUE(Parse(SmallRecording()));
    reader_.Close();
    ExpectEmpty();
    EXPECT_FALSE(reader_.WalkToUdat({3, "@CS", nullptr})) << "a closed reader has no file to walk";
}

}  // namespace
