// Joining the standard recordings into files, through the platform's
// mapping and file writing: what a join writes, what a failed one leaves.

#include "joiner/JoinRecordings.h"

#include <gtest/gtest.h>

#include "BoxBytes.h"
#include "JoinChecks.h"
#include "KnownBoxTypes.h"
#include "MiniRecording.h"
#include "MovieSamples.h"
#include "ReaderTestSupport.h"
#include "SparseFile.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "format/ByteOrder.h"
#include "format/RecorderFile.h"
#include "platform/FileOutputSink.h"
#include "reader/MappedMovieFile.h"

namespace fs = std::filesystem;

namespace {

const char* const kFirst = "2401021000_A010.MOV";
const char* const kSecond = "2401021010_A011.MOV";
const char* const kThird = "2401021020_A012.MOV";
// ffmpeg's own chunking; the second's sound also ends on a shorter sample.
const char* const kChunkedFirst = "2401021100_A020.MOV";
const char* const kChunkedSecond = "2401021110_A021.MOV";

std::vector<fs::path> Paths(const std::vector<const char*>& names) {
    std::vector<fs::path> paths;
    for (const char* name : names) paths.push_back(TestRecordingPath(name));
    return paths;
}

std::vector<std::wstring> Wide(const std::vector<fs::path>& paths) {
    std::vector<std::wstring> wide;
    for (const fs::path& path : paths) wide.push_back(path.wstring());
    return wide;
}

std::vector<std::string> FilesIn(const fs::path& dir) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(dir)) names.push_back(entry.path().filename().string());
    return names;
}

// Fails after a given number of bytes, in front of a real file sink.
class FailAfter final : public OutputSink {
public:
    FailAfter(OutputSink& next, size_t room) : next_(next), room_(room) {}
    bool Write(const uint8_t* data, size_t size) override {
        if (size > room_) return false;
        room_ -= size;
        return next_.Write(data, size);
    }

private:
    OutputSink& next_;
    size_t room_;
};

class JoinRecordingsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BuildKnownBoxTypes()); }
    void TearDown() override {
        FreeKnownBoxTypes();
        for (const auto& [path, bytes] : before_) EXPECT_TRUE(ReadWholeFile(path) == bytes) << path << " changed";
        EXPECT_TRUE(errors_.Errors().empty());
    }

    // Reads the sources once, so TearDown can tell they were left alone.
    std::vector<Bytes> Sources(const std::vector<fs::path>& paths) {
        std::vector<Bytes> bytes;
        for (const fs::path& path : paths) {
            bytes.push_back(ReadWholeFile(path));
            before_.emplace(path, bytes.back());
        }
        return bytes;
    }

    bool Join(const std::vector<fs::path>& paths, const StopRequested& stop = nullptr) {
        Sources(paths);
        return JoinRecordings(Wide(paths), output_.wstring(), stop);
    }

    void ExpectNothingWritten() {
        EXPECT_FALSE(fs::exists(output_));
        EXPECT_TRUE(FilesIn(dir_.path()).empty()) << "no partial output left";
    }

    ScratchFolder dir_;
    fs::path output_ = dir_ / "joined.MOV";
    std::map<fs::path, Bytes> before_;
    RecordedMappingErrors errors_;
};

TEST_F(JoinRecordingsTest, OneTwoThreeAndTenRecordings) {
    const std::vector<std::vector<const char*>> joins = {
        {kFirst},
        {kFirst, kSecond},
        {kFirst, kSecond, kThird},
        {kFirst, kSecond, kThird, kFirst, kSecond, kThird, kFirst, kSecond, kThird, kFirst},
    };
    for (const auto& names : joins) {
        const std::vector<fs::path> paths = Paths(names);
        ASSERT_TRUE(Join(paths)) << names.size();
        ASSERT_EQ(FilesIn(dir_.path()), std::vector<std::string>{"joined.MOV"});
        const Bytes joined = ReadWholeFile(output_);
        ExpectJoinOf(Sources(paths), joined);
        EXPECT_TRUE(IsRecorderFile(output_));

        // The reader finds every entry, under the first recording's record.
        MappedMovieFile reader;
        ASSERT_TRUE(reader.Init());
        ASSERT_TRUE(reader.OpenAndParse(output_.wstring()));
        size_t entries = 0;
        for (const char* name : names) entries += static_cast<size_t>(StandardRecording(name).EntryCount());
        EXPECT_EQ(reader.Records()->gps.size(), entries);
        EXPECT_EQ(reader.Cs().versionBytes[1], '1') << "firmware 01.02.03 of the first";
        fs::remove(output_);
    }
}

// Recordings as an interleaving muxer chunks them: many samples-per-chunk
// runs, and a timing of two runs.
TEST_F(JoinRecordingsTest, RecordingsOfManyRunsJoinSampleForSample) {
    const std::vector<fs::path> paths = Paths({kChunkedFirst, kChunkedSecond, kChunkedFirst, kFirst});
    const std::vector<Bytes> sources = Sources(paths);
    const TrackSamples sound = ReadMovieSamples(sources[1]).tracks.at(1);
    ASSERT_GT(sound.chunkRuns.size(), 1u);
    ASSERT_EQ(sound.timing.size(), 2u);
    ASSERT_TRUE(Join(paths));
    ExpectJoinOf(sources, ReadWholeFile(output_));
    EXPECT_TRUE(IsRecorderFile(output_));
}

#ifdef _WIN32
// From and into a Japanese folder under Japanese names, as the program's
// users keep their recordings. (Only the Windows side: the native side's
// wide paths are ASCII.)
TEST_F(JoinRecordingsTest, JapaneseFolderAndNamesJoinAsAnyOther) {
    const fs::path folder = dir_.path() / L"ドライブ記録 2025";
    fs::create_directory(folder);
    const fs::path first = folder / L"朝の渋滞.MOV";
    fs::copy_file(TestRecordingPath(kFirst), first);
    const std::vector<fs::path> paths = {first, TestRecordingPath(kSecond)};
    Sources(paths);
    const fs::path output = folder / L"結合.MOV";
    ASSERT_TRUE(JoinRecordings(Wide(paths), output.wstring()));
    ExpectJoinOf(Sources(paths), ReadWholeFile(output));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder), fs::directory_iterator()), 2);
}
#endif

TEST_F(JoinRecordingsTest, OneRecordingIsCopiedExactly) {
    for (const char* name : {kFirst, kChunkedSecond, "tail_raw.MOV", "tail_in_udat.MOV", "tail_none.MOV",
                             "padded_40MiB.MOV"}) {
        ASSERT_TRUE(Join(Paths({name}))) << name;
        EXPECT_TRUE(ReadWholeFile(output_) == ReadWholeFile(TestRecordingPath(name))) << name;
        fs::remove(output_);
    }
}

TEST_F(JoinRecordingsTest, UniformSizesJoinOnlyWithTheirLike) {
    ASSERT_TRUE(Join(Paths({"uniform_sizes.MOV", "uniform_sizes.MOV"})));
    ExpectJoinOf(Sources(Paths({"uniform_sizes.MOV", "uniform_sizes.MOV"})), ReadWholeFile(output_));
    fs::remove(output_);
    EXPECT_FALSE(Join(Paths({kSecond, "uniform_sizes.MOV"})));
    EXPECT_FALSE(Join(Paths({"uniform_sizes.MOV", kSecond})));
    ExpectNothingWritten();
}

TEST_F(JoinRecordingsTest, RecordingsThatDoNotFitLeaveNoOutput) {
    const std::vector<std::vector<const char*>> joins = {
        {"2401020304_A001.MOV", "2401020312_G002.MOV"},  // 29.97 and 30 frames a second
        {kFirst, "2401020320_M003.MOV"},                 // another size, no sound
        {kFirst, "udat_first.MOV"},
        {"udat_first.MOV", kFirst},
        {kFirst, "wide_kept.MOV"},
        {"wide_kept.MOV", kFirst},
        {kFirst, "cut_in_mdat.MOV"},
    };
    for (const auto& names : joins) {
        EXPECT_FALSE(Join(Paths(names))) << names[0] << " + " << names[1];
        ExpectNothingWritten();
    }
    EXPECT_FALSE(JoinRecordings({TestRecordingPath(kFirst).wstring(), (dir_ / "missing.MOV").wstring()},
                                output_.wstring()));
    EXPECT_FALSE(JoinRecordings({}, output_.wstring()));
    ExpectNothingWritten();
}

TEST_F(JoinRecordingsTest, OutputNamingASourceIsRefused) {
    const fs::path a = dir_ / "a.MOV";
    const fs::path b = dir_ / "b.MOV";
    fs::copy_file(TestRecordingPath(kFirst), a);
    fs::copy_file(TestRecordingPath(kSecond), b);
    Sources({a, b});
    EXPECT_FALSE(JoinRecordings({a.wstring(), b.wstring()}, b.wstring()));
    EXPECT_FALSE(JoinRecordings({a.wstring(), b.wstring()}, (dir_ / "." / "a.MOV").wstring()));
    EXPECT_EQ(FilesIn(dir_.path()).size(), 2u);
}

TEST_F(JoinRecordingsTest, ExistingOutputIsReplacedOnlyByACompleteJoin) {
    WriteWholeFile(output_, {'o', 'l', 'd'});
    EXPECT_FALSE(Join(Paths({"2401020304_A001.MOV", "2401020312_G002.MOV"})));
    EXPECT_EQ(ReadWholeFile(output_), (Bytes{'o', 'l', 'd'}));
    ASSERT_TRUE(Join(Paths({kFirst, kSecond})));
    ExpectJoinOf(Sources(Paths({kFirst, kSecond})), ReadWholeFile(output_));
    EXPECT_EQ(FilesIn(dir_.path()).size(), 1u);
}

TEST_F(JoinRecordingsTest, StopMidWayLeavesNothing) {
    for (int askedBeforeStop : {0, 1, 3, 10, 40}) {
        int asked = 0;
        EXPECT_FALSE(Join(Paths({kFirst, kSecond, kThird}), [&] { return asked++ >= askedBeforeStop; }))
            << askedBeforeStop;
        EXPECT_GT(asked, askedBeforeStop);
        ExpectNothingWritten();
    }
}

// The file layer fails after k bytes, as a full disk does: the join fails
// and its file goes.
TEST_F(JoinRecordingsTest, FailedFileWritesLeaveNothing) {
    const std::vector<fs::path> paths = Paths({kFirst, kSecond});
    Sources(paths);
    std::vector<std::unique_ptr<MovieBoxIndex>> indexes;
    for (const fs::path& path : paths) indexes.push_back(MovieBoxIndex::Open(path.wstring()));
    ASSERT_TRUE(MovieJoiner::Merge(*indexes[0], *indexes[1]));
    const uint64_t size = indexes[0]->Root().GetTotalSize() - 8;
    for (uint64_t room : {uint64_t{0}, uint64_t{100}, size / 3, size - 1}) {
        {
            const auto sink = CreateFileOutputSink(output_);
            ASSERT_NE(sink, nullptr);
            FailAfter full(*sink, static_cast<size_t>(room));
            EXPECT_FALSE(MovieJoiner::WriteBox(indexes[0]->Root(), full)) << room;
        }
        ExpectNothingWritten();
    }
    EXPECT_EQ(CreateFileOutputSink(dir_ / "no such folder" / "joined.MOV"), nullptr);
}

// A file sink that is never committed leaves nothing; one that is takes
// the target's name, replacing what was there.
TEST_F(JoinRecordingsTest, FileSinkTakesItsNameOnlyOnCommit) {
    const uint8_t bytes[] = {1, 2, 3};
    {
        const auto abandoned = CreateFileOutputSink(output_);
        ASSERT_NE(abandoned, nullptr);
        ASSERT_TRUE(abandoned->Write(bytes, sizeof bytes));
        EXPECT_EQ(FilesIn(dir_.path()).size(), 1u) << "written under another name";
        EXPECT_FALSE(fs::exists(output_));
    }
    ExpectNothingWritten();
    WriteWholeFile(output_, {9});
    const auto sink = CreateFileOutputSink(output_);
    const auto second = CreateFileOutputSink(output_);
    ASSERT_NE(second, nullptr) << "a second sink picks another name";
    ASSERT_TRUE(sink->Write(bytes, sizeof bytes));
    ASSERT_TRUE(sink->Commit());
    EXPECT_EQ(ReadWholeFile(output_), (Bytes{1, 2, 3}));
}

// Two recordings whose media data together pass 4 GiB (holes on disk): the
// merge refuses before anything is written.
TEST_F(JoinRecordingsTest, JoinPastFourGibibytesIsRefused) {
    const Bytes mini = MakeMiniRecording(MiniRecordingPlan{});
    const size_t mediaEnd = 20 + 8 + ReadU32BE(mini.data() + 28);
    auto longRecording = [&](const fs::path& path, uint32_t hole) {
        Bytes head(mini.begin(), mini.begin() + static_cast<std::ptrdiff_t>(mediaEnd));
        WriteU32BE(head.data() + 28, ReadU32BE(head.data() + 28) + hole);
        const Bytes rest(mini.begin() + static_cast<std::ptrdiff_t>(mediaEnd), mini.end());
        return MakeSparseFile(path, head.size() + uint64_t{hole} + rest.size(),
                              {{0, std::string(head.begin(), head.end())},
                               {head.size() + uint64_t{hole}, std::string(rest.begin(), rest.end())}});
    };
    ASSERT_TRUE(longRecording(dir_ / "a.MOV", 0x80000000u));
    ASSERT_TRUE(longRecording(dir_ / "b.MOV", 0x80000000u));
    ASSERT_TRUE(longRecording(dir_ / "c.MOV", 0x40000000u));
    auto a = MovieBoxIndex::Open((dir_ / "a.MOV").wstring());
    auto b = MovieBoxIndex::Open((dir_ / "b.MOV").wstring());
    auto c = MovieBoxIndex::Open((dir_ / "c.MOV").wstring());
    ASSERT_TRUE(a && b && c);
    EXPECT_FALSE(MovieJoiner::Merge(*a, *b)) << "past 4 GiB";
    EXPECT_TRUE(MovieJoiner::Merge(*a, *c)) << "3 GiB in all";
}

}  // namespace
