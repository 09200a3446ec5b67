#include "joiner/MovieJoiner.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <map>

#include "JoinChecks.h"
#include "KnownBoxTypes.h"
#include "MiniRecording.h"
#include "MovieSamples.h"
#include "ReaderTestSupport.h"
#include "TestRecordings.h"
#include "format/ByteOrder.h"
#include "platform/MemoryOutputSink.h"

namespace {

MiniTrack AudioTrack(std::vector<uint32_t> sizes) {
    MiniTrack audio;
    audio.video = false;
    audio.sampleSizes = std::move(sizes);
    audio.syncSamples = {};
    audio.delta = 1024;
    audio.timeScale = 48000;
    return audio;
}

// Recordings of one recorder: the same tracks, different samples and entries.
MiniRecordingPlan Recording(uint8_t seed, int entries, std::vector<uint32_t> videoSizes) {
    MiniRecordingPlan plan;
    plan.sampleSeed = seed;
    plan.tracks[0].sampleSizes = std::move(videoSizes);
    plan.tracks.push_back(AudioTrack({9, 10, 11, 12, 13, 14, 15}));
    plan.dataSection.entryCount = entries;
    plan.dataSection.startTime = "240102100000";
    plan.dataSection.firmware = {seed, 2, 3};
    return plan;
}

// Fails after a given number of bytes, as a full disk does.
class FailingSink final : public OutputSink {
public:
    explicit FailingSink(size_t room) : room_(room) {}
    bool Write(const uint8_t* data, size_t size) override {
        if (size > room_) return false;
        room_ -= size;
        written_.insert(written_.end(), data, data + size);
        return true;
    }

private:
    size_t room_;
    Bytes written_;
};

// Finds the n-th box of a type by its type bytes (the made-up samples and
// entries never spell a box type); returns the offset of its body.
size_t BodyOf(const Bytes& file, const std::string& type, int n = 0) {
    for (size_t at = 4; at + 4 <= file.size(); ++at) {
        if (std::memcmp(file.data() + at, type.data(), 4) == 0 && n-- == 0) return at + 4;
    }
    ADD_FAILURE() << "no box " << type;
    return 0;
}

class MovieJoinerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BuildKnownBoxTypes()); }
    void TearDown() override {
        FreeKnownBoxTypes();
        EXPECT_TRUE(errors_.Errors().empty());
    }

    MovieBoxIndex& Index(const Bytes& file) {
        const std::wstring path = L"memory/" + std::to_wstring(indexes_.size()) + L".MOV";
        files_.Add(path, file);
        indexes_.push_back(MovieBoxIndex::Open(path));
        EXPECT_NE(indexes_.back(), nullptr);
        return *indexes_.back();
    }

    static Bytes Written(const MovieBoxIndex& index) {
        MemoryOutputSink out;
        EXPECT_TRUE(MovieJoiner::WriteBox(index.Root(), out));
        return out.Bytes();
    }

    // Joins the recordings in memory; empty when a merge or the write fails.
    Bytes Join(const std::vector<Bytes>& files) {
        MovieBoxIndex& first = Index(files[0]);
        for (size_t i = 1; i < files.size(); ++i) {
            if (!MovieJoiner::Merge(first, Index(files[i]))) return {};
        }
        MemoryOutputSink out;
        if (!MovieJoiner::WriteBox(first.Root(), out)) return {};
        EXPECT_EQ(out.Bytes().size(), first.Root().GetTotalSize() - 8) << "the sizes written are the sizes counted";
        return out.Bytes();
    }

    MemoryFiles files_;
    RecordedMappingErrors errors_;
    std::vector<std::unique_ptr<MovieBoxIndex>> indexes_;
};

TEST_F(MovieJoinerTest, TwoRecordingsJoinSampleForSample) {
    const Bytes a = MakeMiniRecording(Recording(1, 600, {40, 24, 24, 32, 24}));
    const Bytes b = MakeMiniRecording(Recording(2, 601, {50, 20, 28}));
    const Bytes joined = Join({a, b});
    ASSERT_FALSE(joined.empty());
    ExpectJoinOf({a, b}, joined);

    // The section holds 1201 entries in a box of 48 + 124 x 1201 bytes.
    const ByteView area = FindDataArea(joined);
    EXPECT_EQ(ReadU16BE(area.data() + 26), 1201);
    EXPECT_EQ(ReadU32BE(area.data() - 14), 48u + 124 * 1201);

    // B's first chunk moves by A's media data less the 8 bytes B drops.
    const uint64_t mediaA = ReadU32BE(a.data() + BodyOf(a, "mdat") - 8) - 8;
    const uint32_t firstChunkB = ReadU32BE(b.data() + BodyOf(b, "stco") + 8);
    EXPECT_EQ(ReadMovieSamples(joined).tracks[0].offsets[5], firstChunkB + mediaA - 8);
    // B's sync sample 1 follows A's five frames.
    EXPECT_EQ(ReadMovieSamples(joined).tracks[0].syncSamples, (std::vector<uint32_t>{1, 4, 6, 9}));
}

// Chunks of varying size and a timing that changes delta, as a muxer that
// interleaves writes them: the later recording's runs follow, moved past
// the chunks before them, folded where they only go on.
TEST_F(MovieJoinerTest, ChunkAndTimingRunsJoinSampleForSample) {
    MiniRecordingPlan first = Recording(1, 20, {40, 24, 24, 32});
    first.tracks[0].chunkSamples = {1, 2, 1};
    first.tracks[1].chunkSamples = {1, 2, 2, 2};
    first.tracks[1].timing = {{2, 1024}, {3, 400}, {2, 1024}};
    MiniRecordingPlan second = Recording(2, 30, {30, 28, 26});
    second.tracks[0].chunkSamples = {1, 2};
    second.tracks[0].syncSamples = {1, 3};
    second.tracks[1].chunkSamples = {3, 3, 1};
    second.tracks[1].timing = {{5, 1024}, {2, 1000}};
    MiniRecordingPlan third = Recording(3, 16, {50, 20});
    third.tracks[0].syncSamples = {1};
    const std::vector<Bytes> files = {MakeMiniRecording(first), MakeMiniRecording(second), MakeMiniRecording(third)};
    const Bytes joined = Join(files);
    ASSERT_FALSE(joined.empty());
    ExpectJoinOf(files, joined);
    const MovieSamples movie = ReadMovieSamples(joined);
    EXPECT_EQ(movie.tracks[1].timing,
              (std::vector<std::pair<uint32_t, uint32_t>>{{2, 1024}, {3, 400}, {7, 1024}, {2, 1000}, {7, 1024}}));
    // The second's chunk 1 continues the first's last run of one sample.
    EXPECT_EQ(movie.tracks[0].chunkRuns,
              (std::vector<std::array<uint32_t, 3>>{{1, 1, 1}, {2, 2, 1}, {3, 1, 1}, {5, 2, 1}, {6, 1, 1}}));
}

// One-run recordings join to exactly the bytes they always joined to.
TEST_F(MovieJoinerTest, OneRunRecordingsJoinAsBefore) {
    const Bytes joined = Join({MakeMiniRecording(Recording(1, 20, {40, 24, 24})),
                               MakeMiniRecording(Recording(2, 30, {30, 28})),
                               MakeMiniRecording(Recording(3, 16, {50}))});
    uint64_t hash = 0xcbf29ce484222325ull;  // FNV-1a
    for (uint8_t byte : joined) hash = (hash ^ byte) * 0x100000001b3ull;
    EXPECT_EQ(joined.size(), 10002u);
    EXPECT_EQ(hash, 11973496190408897591ull);
}

// A recording written on its own comes out as it went in, whatever its tail.
TEST_F(MovieJoinerTest, SingleRecordingIsWrittenAsItStands) {
    for (RecordingTail tail : {RecordingTail::FreeBox, RecordingTail::None, RecordingTail::RawBytes,
                               RecordingTail::InsideUdat}) {
        MiniRecordingPlan plan = Recording(3, 20, {40, 24, 24});
        plan.tail = tail;
        plan.dataSection.tail = tail;
        const Bytes file = MakeMiniRecording(plan);
        EXPECT_TRUE(Written(Index(file)) == file) << static_cast<int>(tail);
    }
    // Boxes after a type the system does not know are copied too.
    Bytes unknown = MakeMiniRecording(Recording(3, 20, {40, 24, 24}));
    std::memcpy(unknown.data() + BodyOf(unknown, "edts") - 4, "wide", 4);
    EXPECT_TRUE(Written(Index(unknown)) == unknown);
}

TEST_F(MovieJoinerTest, TailsFollowTheFirstRecording) {
    for (RecordingTail tail : {RecordingTail::None, RecordingTail::RawBytes, RecordingTail::InsideUdat}) {
        MiniRecordingPlan first = Recording(1, 20, {40, 24});
        first.tail = tail;
        first.dataSection.tail = tail;
        const Bytes a = MakeMiniRecording(first);
        const Bytes b = MakeMiniRecording(Recording(2, 30, {30}));
        const Bytes joined = Join({a, b});
        ASSERT_FALSE(joined.empty()) << static_cast<int>(tail);
        ExpectJoinOf({a, b}, joined);
    }
}

TEST_F(MovieJoinerTest, OneSampleSizeForAllJoinsWhenBothShareIt) {
    MiniRecordingPlan first = Recording(1, 16, {0, 0, 0, 0});
    MiniRecordingPlan second = Recording(2, 16, {0, 0});
    first.tracks[0].uniformSize = second.tracks[0].uniformSize = 30;
    const Bytes a = MakeMiniRecording(first);
    const Bytes b = MakeMiniRecording(second);
    const Bytes joined = Join({a, b});
    ASSERT_FALSE(joined.empty());
    ExpectJoinOf({a, b}, joined);
    const size_t stsz = BodyOf(joined, "stsz");
    EXPECT_EQ(ReadU32BE(joined.data() + stsz + 4), 30u);
    EXPECT_EQ(ReadU32BE(joined.data() + stsz + 8), 6u);
}

struct Refusal {
    const char* name;
    std::function<void(MiniRecordingPlan& a, MiniRecordingPlan& b)> plans;
    std::function<void(Bytes& a, Bytes& b)> bytes;
};

void SetU32(Bytes& file, size_t at, uint32_t value) { WriteU32BE(file.data() + at, value); }

const Refusal kRefusals[] = {
    {"different uniform sizes",
     [](auto& a, auto& b) {
         a.tracks[0].uniformSize = 30;
         b.tracks[0].uniformSize = 40;
     }, nullptr},
    {"one uniform, one table", [](auto&, auto& b) { b.tracks[0].uniformSize = 30; }, nullptr},
    {"no sync samples in the second", [](auto&, auto& b) { b.tracks[0].syncSamples.clear(); }, nullptr},
    {"no sync samples in either",
     [](auto& a, auto& b) {
         a.tracks[0].syncSamples.clear();
         b.tracks[0].syncSamples.clear();
     }, nullptr},
    {"no chunk offsets in the second", nullptr,
     [](Bytes&, Bytes& b) { std::memcpy(b.data() + BodyOf(b, "stco") - 4, "free", 4); }},
    {"one track against two", [](auto&, auto& b) { b.tracks.pop_back(); }, nullptr},
    {"audio track first", [](auto&, auto& b) { std::swap(b.tracks[0], b.tracks[1]); }, nullptr},
    {"another frame delta", [](auto&, auto& b) { b.tracks[0].delta = 3000; }, nullptr},
    {"another frame size", [](auto&, auto& b) { b.tracks[0].width = 1280; }, nullptr},
    {"entries past 65535",
     [](auto& a, auto& b) {
         a.dataSection.entryCount = 40000;
         b.dataSection.entryCount = 25536;
     }, nullptr},
    {"no data section in the second", [](auto&, auto& b) { b.withDataSection = false; }, nullptr},
    {"a table the join does not extend", [](auto&, auto& b) { b.tracks[1].extraTables = {"ctts"}; }, nullptr},
    {"chunk count past its table", nullptr,
     [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stco") + 4, ReadU32BE(b.data() + BodyOf(b, "stco") + 4) + 1); }},
    {"sync count past its table", nullptr, [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stss") + 4, 3); }},
    {"sample count past its table", nullptr,
     [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stsz") + 8, ReadU32BE(b.data() + BodyOf(b, "stsz") + 8) + 1); }},
    {"timing runs past their table", nullptr, [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stts") + 4, 2); }},
    {"timing of more samples than listed", nullptr, [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stts") + 8, 3); }},
    {"chunks of more samples than listed", nullptr, [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stsc") + 12, 2); }},
    {"chunk runs not from chunk 1", nullptr, [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stsc") + 8, 2); }},
    {"chunks of no samples", nullptr, [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stsc") + 12, 0); }},
    {"a sample description the movie lacks", nullptr,
     [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stsc") + 16, 2); }},
    {"a chunk run past the last chunk",
     [](auto&, auto& b) {
         b.tracks[0].sampleSizes = {30, 28, 26};
         b.tracks[0].chunkSamples = {1, 2};
     },
     [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stsc") + 20, 3); }},
    {"chunk runs going back", [](auto&, auto& b) { b.tracks[1].chunkSamples = {1, 2, 1, 3}; },
     [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stsc", 1) + 32, 2); }},
    {"a chunk in the dropped bytes", nullptr,
     [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stco") + 8, static_cast<uint32_t>(BodyOf(b, "mdat"))); }},
    {"a chunk past the media data", nullptr, [](Bytes&, Bytes& b) { SetU32(b, BodyOf(b, "stco") + 8, 0x7FFFFFFF); }},
    {"a 64-bit movie header", nullptr, [](Bytes&, Bytes& b) { b[BodyOf(b, "mvhd")] = 1; }},
    {"durations past 32 bits", nullptr,
     [](Bytes& a, Bytes& b) {
         SetU32(a, BodyOf(a, "mvhd") + 16, 0xF0000000u);
         SetU32(b, BodyOf(b, "mvhd") + 16, 0x10000000u);
     }},
    {"the first section is no recorder section", nullptr,
     [](Bytes& a, Bytes&) { std::memcpy(a.data() + BodyOf(a, "udat"), "CSMXXX", 6); }},
    {"media data at another offset", nullptr,
     [](Bytes&, Bytes& b) {
         b = Concat({Bytes(b.begin(), b.begin() + 20), Box("free", Zeros(4)), Bytes(b.begin() + 20, b.end())});
     }},
    {"movie header before the media data", nullptr,
     [](Bytes&, Bytes& b) {
         const size_t mdat = BodyOf(b, "mdat") - 8;
         const size_t moov = BodyOf(b, "moov") - 8;
         const size_t udat = BodyOf(b, "udat") - 8;
         b = Concat({Bytes(b.begin(), b.begin() + mdat), Bytes(b.begin() + moov, b.begin() + udat),
                     Bytes(b.begin() + mdat, b.begin() + moov), Bytes(b.begin() + udat, b.end())});
     }},
};

// A refused merge leaves the first recording as it was: written again, it
// gives the same bytes.
TEST_F(MovieJoinerTest, RecordingsThatDoNotFitAreRefused) {
    for (const Refusal& refusal : kRefusals) {
        MiniRecordingPlan planA = Recording(1, 20, {40, 24, 24});
        MiniRecordingPlan planB = Recording(2, 30, {30, 28});
        if (refusal.plans) refusal.plans(planA, planB);
        Bytes a = MakeMiniRecording(planA);
        Bytes b = MakeMiniRecording(planB);
        if (refusal.bytes) refusal.bytes(a, b);
        MovieBoxIndex& first = Index(a);
        const Bytes before = Written(first);
        EXPECT_FALSE(MovieJoiner::Merge(first, Index(b))) << refusal.name;
        EXPECT_TRUE(Written(first) == before) << refusal.name;
    }
}

TEST_F(MovieJoinerTest, MergesThatWouldLoopAreRefused) {
    const Bytes a = MakeMiniRecording(Recording(1, 20, {40}));
    const Bytes b = MakeMiniRecording(Recording(2, 20, {30}));
    MovieBoxIndex& first = Index(a);
    EXPECT_FALSE(MovieJoiner::Merge(first, first)) << "into itself";
    MovieBoxIndex& second = Index(b);
    ASSERT_TRUE(MovieJoiner::Merge(first, second));
    EXPECT_FALSE(MovieJoiner::Merge(first, second)) << "the same recording twice";
    MovieBoxIndex& third = Index(b);
    EXPECT_FALSE(MovieJoiner::Merge(third, first)) << "a joined recording after another";
}

TEST_F(MovieJoinerTest, CountedTablesOfNothingDoNotMerge) {
    EXPECT_FALSE(MovieJoiner::MergeCountedTables({}, {}).has_value());
    EXPECT_FALSE(MovieJoiner::MergeSampleSizes({}, {}).has_value());
}

// Every failed write ends the join with failure, wherever it happens.
TEST_F(MovieJoinerTest, FailedWriteFailsTheJoin) {
    MovieBoxIndex& first = Index(MakeMiniRecording(Recording(1, 20, {40, 24})));
    ASSERT_TRUE(MovieJoiner::Merge(first, Index(MakeMiniRecording(Recording(2, 20, {30})))));
    const size_t size = first.Root().GetTotalSize() - 8;
    for (size_t room : {size_t{0}, size_t{7}, size_t{8}, size_t{100}, size_t{600}, size / 2, size - 200, size - 1}) {
        FailingSink out(room);
        EXPECT_FALSE(MovieJoiner::WriteBox(first.Root(), out)) << room;
    }
    FailingSink exact(size);
    EXPECT_TRUE(MovieJoiner::WriteBox(first.Root(), exact));
}

TEST_F(MovieJoinerTest, StopEndsTheWrite) {
    MovieBoxIndex& first = Index(MakeMiniRecording(Recording(1, 20, {40, 24})));
    ASSERT_TRUE(MovieJoiner::Merge(first, Index(MakeMiniRecording(Recording(2, 20, {30})))));
    for (int askedBeforeStop : {0, 3, 20}) {
        int asked = 0;
        MemoryOutputSink out;
        EXPECT_FALSE(MovieJoiner::WriteBox(first.Root(), out, [&] { return asked++ >= askedBeforeStop; }))
            << askedBeforeStop;
    }
    MemoryOutputSink out;
    EXPECT_TRUE(MovieJoiner::WriteBox(first.Root(), out, [] { return false; }));
}

}  // namespace
