#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <future>
#include <string>
#include <vector>

#include "ClipMetadataReaders.h"
#include "LockHolder.h"
#include "PageValues.h"
#include "PlayerEngine.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "format/FrameRecordIndex.h"
#include "map/CGoogleMapDlgWrap.h"

namespace {

using namespace std::chrono_literals;

constexpr char kPlain[] = "2401020304_A001.MOV";   // 8 s, heading north-east
constexpr char kImpact[] = "2401020312_G002.MOV";  // heading south-west
constexpr char kNoFix[] = "2401020320_M003.MOV";   // every entry without a fix

std::wstring Recording(const char* name) { return TestRecordingPath(name).wstring(); }

// The map bridge over an engine set up as the main window leaves it, with
// the standard recordings as the clip group and the shown clip.
class BridgeFixtureTrack : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 1);
        engine_.PlayerEngineReady = 1;
        OnlineSettings settings;
        settings.probe = [] { return true; };
        bridge_ = std::make_unique<CGoogleMapDlgWrap>(settings, engine_);
    }
    void TearDown() override {
        bridge_.reset();
        engine_.PlayerEngineReady = 0;
        PlayerEngine::Uninit(&engine_);
        EXPECT_EQ(PlayerEngineWaiters, 0u);
    }

    // Shows a clip as the engine's load does: parsed, and its times turned
    // into frame numbers by the frame index.
    void ShowClip(const char* name) {
        const RecordingRecipe& recipe = StandardRecording(name);
        ASSERT_TRUE(engine_.ShownClipReader.OpenAndParse(Recording(name)));
        const float frameDuration = 1000.0f / static_cast<float>(90000 / recipe.frameDelta);
        ASSERT_TRUE(BuildFrameRecordIndex(*engine_.ShownClipReader.Records(), ExpectedFrameCount(recipe), frameDuration));
    }
    const std::vector<GpsRecord>& ShownGps() { return engine_.ShownClipReader.Records()->gps; }

    // Checks one recording's triples at `at` against its recipe; returns
    // where the next recording's start.
    size_t ExpectRecordingTriples(const std::vector<PageElement>& track, size_t at, const char* name,
                                  const std::function<int32_t(int)>& timeOf) {
        const RecordingRecipe& recipe = StandardRecording(name);
        for (int i = 0; i < recipe.EntryCount(); ++i, at += 3) {
            const ExpectedEntry x = ExpectEntry(recipe, i);
            EXPECT_EQ(track[at].type, VT_R8) << name << " entry " << i;
            EXPECT_NEAR(track[at].real, x.latitude, 1e-9) << name << " entry " << i;
            EXPECT_EQ(track[at + 1].type, VT_R8);
            EXPECT_NEAR(track[at + 1].real, x.longitude, 1e-9) << name << " entry " << i;
            EXPECT_EQ(track[at + 2].type, VT_I4);
            EXPECT_EQ(track[at + 2].integer, timeOf(i)) << name << " entry " << i;
        }
        return at;
    }

    PlayerEngine engine_;
    std::unique_ptr<CGoogleMapDlgWrap> bridge_;
};

TEST_F(BridgeFixtureTrack, GroupTrackOfEveryRecordingInGroupOrder) {
    ASSERT_EQ(LoadGroupGpsTrack(&engine_, {Recording(kPlain), Recording(kNoFix), Recording(kImpact)}), 1);
    const std::vector<PageElement> track = PageArray(bridge_->GetGPSData());

    const int plain = StandardRecording(kPlain).EntryCount();
    const int impact = StandardRecording(kImpact).EntryCount();
    ASSERT_EQ(track.size(), static_cast<size_t>(3 * (plain + impact) + 1)) << "the recording without a fix adds none";
    const auto milliseconds = [](int entry) { return entry * 100; };
    size_t at = ExpectRecordingTriples(track, 0, kPlain, milliseconds);
    at = ExpectRecordingTriples(track, at, kImpact, milliseconds);
    EXPECT_EQ(track[at].type, VT_I4);
    EXPECT_EQ(track[at].integer, 3 * (plain + impact));
}

TEST_F(BridgeFixtureTrack, GroupWithoutAnyFixOrWithoutTrack) {
    EXPECT_EQ(PageArray(bridge_->GetGPSData()).size(), 1u) << "no group loaded";
    ASSERT_EQ(LoadGroupGpsTrack(&engine_, {Recording(kNoFix)}), 1);
    const std::vector<PageElement> track = PageArray(bridge_->GetGPSData());
    ASSERT_EQ(track.size(), 1u);
    EXPECT_EQ(track[0].integer, 0);
}

TEST_F(BridgeFixtureTrack, ShownClipTrackCarriesFrameNumbers) {
    ShowClip(kPlain);
    const std::vector<PageElement> track = PageArray(bridge_->GetGridData(L"ignored"));
    const int n = StandardRecording(kPlain).EntryCount();
    ASSERT_EQ(track.size(), static_cast<size_t>(3 * n + 1));
    const auto frameOf = [&](int entry) { return ShownGps()[static_cast<size_t>(entry)].time; };
    ExpectRecordingTriples(track, 0, kPlain, frameOf);
    EXPECT_EQ(track.back().integer, 3 * n);
    // 100 ms entries at 29 frames a second: about three frames apart.
    EXPECT_EQ(track[2].integer, 0);
    EXPECT_GE(track[3 * 10 + 2].integer, 28);
    EXPECT_LE(track[3 * 10 + 2].integer, 29);
    EXPECT_LT(track[3 * (n - 1) + 2].integer, ExpectedFrameCount(StandardRecording(kPlain)));
}

TEST_F(BridgeFixtureTrack, ShownClipWithoutFixOrWithoutRecords) {
    EXPECT_EQ(bridge_->GetGridData(L"").Type(), VT_EMPTY) << "no clip shown";
    ShowClip(kNoFix);
    const std::vector<PageElement> track = PageArray(bridge_->GetGridData(L""));
    ASSERT_EQ(track.size(), 1u);
    EXPECT_EQ(track[0].integer, 0);

    engine_.PlayerEngineReady = 0;
    EXPECT_EQ(bridge_->GetGridData(L"").Type(), VT_EMPTY) << "engine not initialised";
    const std::vector<PageElement> group = PageArray(bridge_->GetGPSData());
    ASSERT_EQ(group.size(), 1u);
}

// The records are read under the engine's file lock, which a loading clip holds.
TEST_F(BridgeFixtureTrack, TracksWaitForTheFileLock) {
    ShowClip(kPlain);
    ASSERT_EQ(LoadGroupGpsTrack(&engine_, {Recording(kPlain)}), 1);
    for (bool group : {false, true}) {
        LockHolder holder(engine_.fileLock);
        auto read = std::async(std::launch::async, [&] {
            return PageArray(group ? bridge_->GetGPSData() : bridge_->GetGridData(L"")).size();
        });
        EXPECT_EQ(read.wait_for(200ms), std::future_status::timeout) << (group ? "group" : "shown clip");
        holder.Release();
        EXPECT_EQ(read.get(), static_cast<size_t>(3 * StandardRecording(kPlain).EntryCount() + 1));
    }
}

}  // namespace
