#include "index/MovieBoxIndex.h"

#include <gtest/gtest.h>

#include <cmath>

#include "BoxBytes.h"
#include "FixedOffsetTimeZone.h"
#include "KnownBoxTypes.h"
#include "MiniRecording.h"
#include "ReaderTestSupport.h"
#include "TestRecordings.h"
#include "format/ByteOrder.h"
#include "joiner/MovieJoiner.h"

namespace {

constexpr wchar_t kPath[] = L"memory/index.MOV";

std::string TypesOf(const BoxNode& node) {
    std::string types;
    for (const BoxNode& child : node.children) types += (types.empty() ? "" : " ") + std::string(child.type);
    return types;
}

MiniRecordingPlan TwoTracks() {
    MiniRecordingPlan plan;
    MiniTrack audio;
    audio.video = false;
    audio.sampleSizes = {10, 11, 12, 13, 14, 15};
    audio.syncSamples = {};
    audio.delta = 1024;
    audio.timeScale = 48000;
    plan.tracks.push_back(audio);
    return plan;
}

class MovieBoxIndexTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(BuildKnownBoxTypes()); }
    void TearDown() override {
        FreeKnownBoxTypes();
        EXPECT_TRUE(errors_.Errors().empty()) << "the index never shows an error box";
    }

    std::unique_ptr<MovieBoxIndex> Open(Bytes bytes) {
        size_ = bytes.size();
        files_.Add(kPath, std::move(bytes));
        return MovieBoxIndex::Open(kPath);
    }

    MemoryFiles files_;
    RecordedMappingErrors errors_;
    size_t size_ = 0;
};

TEST_F(MovieBoxIndexTest, RecordingTreeWithItsLists) {
    const Bytes file = MakeMiniRecording(TwoTracks());
    const auto index = Open(file);
    ASSERT_NE(index, nullptr);
    const BoxNode& root = index->Root();
    EXPECT_EQ(root.depth, 0);
    EXPECT_EQ(root.leaf, 0u);
    EXPECT_EQ(TypesOf(root), "ftyp free mdat moov udat free");
    EXPECT_EQ(root.GetTotalSize() - 8, file.size());
    for (const BoxNode& top : root.children) EXPECT_EQ(top.depth, 1) << top.type;

    const size_t expected[kBoxListCount] = {1, 1, 2, 2, 2, 1, 2, 1, 2, 2, 2};
    const char* tags[kBoxListCount] = {"mdat", "udat", "stsz", "stco", "mdhd", "stss",
                                       "stts", "mvhd", "tkhd", "elst", "stsd"};
    for (size_t i = 0; i < kBoxListCount; ++i) {
        const auto& list = index->List(static_cast<BoxList>(i));
        ASSERT_EQ(list.size(), expected[i]) << tags[i];
        for (const BoxNode* node : list) EXPECT_TRUE(node->TypeIs(tags[i]));
        // In file order: the video track's table before the audio track's.
        for (size_t k = 1; k < list.size(); ++k) EXPECT_LT(list[k - 1]->sourceOffset, list[k]->sourceOffset);
    }
    const BoxNode* stsd = index->First(BoxList::kStsd);
    EXPECT_EQ(stsd->depth, 6);
    EXPECT_TRUE(stsd->bodyCopied);
    EXPECT_TRUE(stsd->children.empty()) << "its body opens with a count, not a box";
    EXPECT_EQ(Bytes(stsd->body), Bytes(file.begin() + stsd->sourceOffset,
                                       file.begin() + stsd->sourceOffset + stsd->sourceSize));
    EXPECT_EQ(stsd->copiedLength, stsd->sourceSize);
}

TEST_F(MovieBoxIndexTest, MediaDataAndDataSectionAreNeverCopied) {
    RecordingRecipe recipe;
    recipe.entryCount = 16;
    MiniRecordingPlan plan;
    plan.dataSection = recipe;
    const auto index = Open(MakeMiniRecording(plan));
    ASSERT_NE(index, nullptr);
    const BoxNode* mdat = index->First(BoxList::kMdat);
    const BoxNode* udat = index->First(BoxList::kUdat);
    for (const BoxNode* node : {mdat, udat}) {
        EXPECT_EQ(node->leaf, 1u);
        EXPECT_FALSE(node->bodyCopied);
        EXPECT_TRUE(node->body.empty());
        EXPECT_TRUE(node->children.empty());
    }
    EXPECT_EQ(udat->entryCount, 16u);
    EXPECT_EQ(udat->entryBytes, 124u * 16);
    EXPECT_EQ(udat->sectionLength, 40u + 124 * 16);
    EXPECT_EQ(udat->writtenSize, udat->sourceSize);
    EXPECT_EQ(udat->totalEntryCount, 0u);
}

TEST_F(MovieBoxIndexTest, ReadersOfTheExport) {
    MiniRecordingPlan plan = TwoTracks();
    plan.tracks[0].width = 1280;
    plan.tracks[0].height = 720;
    plan.tracks[0].delta = 3000;
    plan.dataSection.startTime = "240512235958";
    plan.dataSection.entryCount = 16;
    plan.dataSection.correction = "+05";
    const auto index = Open(MakeMiniRecording(plan));
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->GetFrameSize(), 1280u | (uint64_t{720} << 32));
    EXPECT_EQ(index->GetFrameCount(), 5);
    EXPECT_EQ(index->GetFrameRate(), 30.0f);
    SystemTime start;
    ASSERT_TRUE(index->FindRecordingStartTime(start, FixedOffsetTimeZone(9 * 60)));
    EXPECT_EQ(start, SystemTimeFromDigits("240513000003")) << "the correction carries into the next day";
}

TEST_F(MovieBoxIndexTest, ReadersWithoutTheirBoxes) {
    const auto index = Open(Concat({Box("ftyp", Zeros(8)), Box("mdat", Zeros(16))}));
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->GetFrameSize(), MovieBoxIndex::kNoFrameSize);
    EXPECT_EQ(index->GetFrameCount(), -1);
    EXPECT_EQ(index->GetFrameRate(), -1.0f);
    SystemTime untouched;
    untouched.wYear = 1999;
    EXPECT_FALSE(index->FindRecordingStartTime(untouched, FixedOffsetTimeZone()));
    EXPECT_EQ(untouched.wYear, 1999);
}

TEST_F(MovieBoxIndexTest, ReadersRefuseTablesTooShortForTheirFields) {
    const Bytes stts = Concat({Zeros(4), Bytes{0, 0, 0, 1}, Bytes{0, 0, 0, 9}});  // count 1, no delta
    const Bytes emptyStts = Concat({Zeros(4), Zeros(4), Bytes{0, 0, 0, 9}, Bytes{0, 0, 0x0B, 0xB8}});
    const Bytes stsd = Concat({Zeros(4), Bytes{0, 0, 0, 1}, Zeros(34)});  // ends before the height
    for (const Bytes& body : {stts, emptyStts}) {
        const auto index = Open(Concat({Box("ftyp", Zeros(8)), MoovWithStts(body)}));
        ASSERT_NE(index, nullptr);
        EXPECT_EQ(index->GetFrameCount(), -1);
        EXPECT_EQ(index->GetFrameRate(), -1.0f);
    }
    const auto zeroDelta = Open(Concat({Box("ftyp", Zeros(8)), MoovWithStts(SttsBody(240, 0))}));
    ASSERT_NE(zeroDelta, nullptr);
    EXPECT_EQ(zeroDelta->GetFrameCount(), 240);
    EXPECT_EQ(zeroDelta->GetFrameRate(), -1.0f) << "no rate from a delta of 0";

    const auto shortStsd = Open(Concat({Box("ftyp", Zeros(8)), Box("moov", Box("stsd", stsd))}));
    ASSERT_NE(shortStsd, nullptr);
    EXPECT_EQ(shortStsd->GetFrameSize(), MovieBoxIndex::kNoFrameSize);
}

TEST_F(MovieBoxIndexTest, EmptyDataSectionZeroesTheStartTime) {
    MiniRecordingPlan plan;
    plan.dataSection.entryCount = 0;
    const auto index = Open(MakeMiniRecording(plan));
    ASSERT_NE(index, nullptr);
    SystemTime start;
    start.wYear = 2024;
    start.wHour = 7;
    ASSERT_TRUE(index->FindRecordingStartTime(start, FixedOffsetTimeZone()));
    EXPECT_TRUE(start.IsZero());
}

TEST_F(MovieBoxIndexTest, LaterDataSectionGivesTheStartTime) {
    RecordingRecipe first;
    first.entryCount = 16;
    RecordingRecipe second = first;
    second.startTime = "231130111111";
    const auto index = Open(Concat({Box("ftyp", Zeros(8)), MakeDataSectionBox(first), MakeDataSectionBox(second)}));
    ASSERT_NE(index, nullptr);
    SystemTime start;
    ASSERT_TRUE(index->FindRecordingStartTime(start, FixedOffsetTimeZone()));
    EXPECT_EQ(start, SystemTimeFromDigits("231130111111"));
}

// A data section whose "CSMDAT" stands near its end: the count and entry
// after the mark lie outside the box (in the next one, which does hold
// bytes that would read as an entry), so no start time is taken.
TEST_F(MovieBoxIndexTest, StartMarkNearTheEndOfItsBoxIsNotReadPast) {
    RecordingRecipe recipe;
    recipe.entryCount = 16;
    const Bytes section = MakeDataSectionBox(recipe);
    const Bytes afterMark(section.begin() + 14, section.end());  // record, count, entries, "CSMEND"
    // 32 bytes, a count of 0 where the index reads it, 6 bytes, then the mark.
    const Bytes body = Concat({Bytes(32, 'x'), Zeros(2), Bytes(6, 'x'), Bytes{'C', 'S', 'M', 'D', 'A', 'T'}});
    for (const Bytes& tail : {Bytes{}, afterMark}) {
        const auto index = Open(Concat({Box("ftyp", Zeros(8)), Box("udat", body), Box("free", tail)}));
        ASSERT_NE(index, nullptr);
        SystemTime start;
        start.wYear = 1999;
        EXPECT_FALSE(index->FindRecordingStartTime(start, FixedOffsetTimeZone()));
        EXPECT_EQ(start.wYear, 1999);
    }
    // A mark with a count but only part of its first entry.
    const Bytes cut(section.begin() + 8, section.begin() + 8 + 34 + 100);
    const auto index = Open(Concat({Box("ftyp", Zeros(8)), Box("udat", Concat({Bytes(32, 'y'), Zeros(8), cut}))}));
    ASSERT_NE(index, nullptr);
    SystemTime start;
    EXPECT_FALSE(index->FindRecordingStartTime(start, FixedOffsetTimeZone()));
}

TEST_F(MovieBoxIndexTest, SmallBoxesAreLeavesOneLevelDown) {
    // A 12-byte box cannot hold a box; a 16-byte one holding an 8-byte box can.
    const Bytes file = Concat({Box("ftyp", Zeros(8)),
                               Box("moov", Concat({Box("udta", Zeros(4)), Box("trak", Box("free", {}))}))});
    const auto index = Open(file);
    ASSERT_NE(index, nullptr);
    const BoxNode& moov = index->Root().children[1];
    ASSERT_EQ(TypesOf(moov), "udta trak");
    EXPECT_EQ(moov.children[0].depth, 2);
    EXPECT_EQ(moov.children[0].leaf, 1u);
    EXPECT_EQ(moov.children[0].body, Zeros(4));
    EXPECT_EQ(TypesOf(moov.children[1]), "free");
    EXPECT_EQ(moov.children[1].children[0].depth, 3);
    EXPECT_EQ(index->Root().GetTotalSize() - 8, file.size());
}

// Sizes that do not fit their parent or are below a header end the index
// with failure, never with a loop or a read past the parent.
TEST_F(MovieBoxIndexTest, MalformedTreesFail) {
    const Bytes ftyp = Box("ftyp", Zeros(8));
    const Bytes mvhd = Box("mvhd", Zeros(100));
    Bytes nested = Box("free", {});
    for (int i = 0; i < 40; ++i) nested = Box("moov", nested);

    const std::pair<const char*, Bytes> cases[] = {
        {"size 0 at the top", Concat({ftyp, BoxWithSize(0, "moov", mvhd)})},
        {"size 7 at the top", Concat({ftyp, BoxWithSize(7, "moov", mvhd)})},
        {"size 0 inside", Concat({ftyp, Box("moov", BoxWithSize(0, "mvhd", Zeros(100)))})},
        {"size 7 inside", Concat({ftyp, Box("moov", Concat({BoxWithSize(7, "mvhd", Zeros(1)), Zeros(100)}))})},
        {"child past its parent", Concat({ftyp, Box("moov", BoxWithSize(120, "mvhd", Zeros(100))), Zeros(64)})},
        {"box past the file", Concat({ftyp, BoxWithSize(0xFFFFFF00u, "free", Zeros(16))})},
        {"stray bytes after the last box", Concat({ftyp, mvhd, Zeros(5)})},
        {"data section too short for its count", Concat({ftyp, Box("udat", Zeros(12))})},
        {"nested past any movie", Concat({ftyp, nested})},
    };
    for (const auto& [name, file] : cases) EXPECT_EQ(Open(file), nullptr) << name;
}

// A count that runs past the data section's box (a recording cut short)
// keeps the entries the box holds; the export still reads the recording,
// and the joiner refuses its section.
TEST_F(MovieBoxIndexTest, DataSectionCountPastItsBoxKeepsTheWholeEntries) {
    MiniRecordingPlan plan;
    plan.dataSection.entryCount = 20;
    Bytes file = MakeMiniRecording(plan);
    const ByteView area = FindDataArea(file);
    WriteU16BE(file.data() + (area.data() - file.data()) + 26, 25);
    const auto index = Open(file);
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->First(BoxList::kUdat)->entryCount, 20u);
    EXPECT_EQ(index->GetFrameSize(), (uint64_t{360} << 32) | 640);
    EXPECT_EQ(index->GetFrameCount(), 5);
    EXPECT_EQ(index->GetFrameRate(), 90000.0f / 3003.0f);
    SystemTime start;
    ASSERT_TRUE(index->FindRecordingStartTime(start, FixedOffsetTimeZone()));
    EXPECT_EQ(start, SystemTimeFromDigits("240102030405"));
    EXPECT_FALSE(MovieJoiner::HasRecorderDataSection(*index));
}

// Millions of tiny boxes would cost a view and a node each: past numbers
// no recording reaches the file is refused.
TEST_F(MovieBoxIndexTest, TooManyBoxesAreRefused) {
    const auto frees = [free = Box("free", {})](size_t count) {
        Bytes boxes;
        for (size_t i = 0; i < count; ++i) boxes.insert(boxes.end(), free.begin(), free.end());
        return Box("moov", boxes);
    };
    const Bytes ftyp = Box("ftyp", Zeros(8));
    const size_t most = MovieBoxIndex::kMostChildrenPerBox;
    EXPECT_NE(Open(Concat({ftyp, frees(most)})), nullptr);
    EXPECT_EQ(Open(Concat({ftyp, frees(most + 1)})), nullptr);
    // ftyp, then 16 x 4096 boxes: one more than a file may hold.
    Bytes full = ftyp;
    for (int i = 0; i < 15; ++i) full = Concat({full, frees(most - 1)});
    EXPECT_NE(Open(Concat({full, frees(most - 2)})), nullptr);
    EXPECT_EQ(Open(Concat({full, frees(most - 1)})), nullptr);
}

// An unknown type inside a container ends its children: what was found
// stays, the rest is kept as plain bytes and still counted.
TEST_F(MovieBoxIndexTest, UnknownTypeEndsItsParentsChildren) {
    const Bytes trak = Box("trak", Box("stsz", Zeros(12)));
    const Bytes file = Concat({Box("ftyp", Zeros(8)), Box("moov", Concat({Box("mvhd", Zeros(100)),
                                                                         Box("wide", {}), trak})),
                               Box("free", {})});
    const auto index = Open(file);
    ASSERT_NE(index, nullptr);
    const BoxNode& moov = index->Root().children[1];
    EXPECT_EQ(TypesOf(index->Root()), "ftyp moov free");
    EXPECT_EQ(TypesOf(moov), "mvhd");
    EXPECT_EQ(moov.leaf, 1u);
    EXPECT_EQ(moov.UnparsedLength(), 8u + trak.size());
    EXPECT_EQ(index->List(BoxList::kMvhd).size(), 1u);
    EXPECT_TRUE(index->List(BoxList::kStsz).empty());
    EXPECT_EQ(index->Root().GetTotalSize() - 8, file.size());
}

TEST_F(MovieBoxIndexTest, FileThatIsNoMovieIsOneUncopiedLeaf) {
    const auto index = Open(Bytes(100, 'x'));
    ASSERT_NE(index, nullptr);
    EXPECT_EQ(index->Root().leaf, 1u);
    EXPECT_TRUE(index->Root().children.empty());
    EXPECT_TRUE(index->Root().body.empty()) << "the root is never copied";
    EXPECT_EQ(index->Root().GetTotalSize() - 8, 100u);
    for (size_t i = 0; i < kBoxListCount; ++i) EXPECT_TRUE(index->List(static_cast<BoxList>(i)).empty());
}

TEST_F(MovieBoxIndexTest, TailsAfterTheDataSection) {
    for (RecordingTail tail : {RecordingTail::FreeBox, RecordingTail::None, RecordingTail::RawBytes,
                               RecordingTail::InsideUdat}) {
        MiniRecordingPlan plan;
        plan.tail = tail;
        plan.dataSection.tail = tail;
        const Bytes file = MakeMiniRecording(plan);
        const auto index = Open(file);
        ASSERT_NE(index, nullptr) << static_cast<int>(tail);
        const BoxNode& root = index->Root();
        EXPECT_EQ(root.GetTotalSize() - 8, file.size());
        EXPECT_EQ(index->List(BoxList::kStsz).size(), 1u);
        const BoxNode* udat = index->First(BoxList::kUdat);
        const uint64_t section = 40 + 124 * 80;
        EXPECT_EQ(udat->sectionLength, section);
        EXPECT_EQ(udat->writtenSize, tail == RecordingTail::InsideUdat ? section + 12 : section);
        EXPECT_EQ(root.leaf, tail == RecordingTail::RawBytes ? 1u : 0u);
        EXPECT_EQ(root.UnparsedLength(), tail == RecordingTail::RawBytes ? 12u : 0u);
    }
}

TEST_F(MovieBoxIndexTest, NothingToOpen) {
    EXPECT_EQ(Open({}), nullptr) << "an empty file cannot be mapped";
    EXPECT_EQ(MovieBoxIndex::Open(L"memory/no such file.MOV"), nullptr);
}

}  // namespace
