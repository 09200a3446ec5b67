#include <gtest/gtest.h>

#include "FakePlaybackBackend.h"
#include "MiniRecording.h"
#include "PlayerEngine.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "player/CheckHResult.h"

namespace {

using Calls = std::vector<std::string>;

// The engine's entries over a back-end of the test's own: what each entry
// asks of the back-end, and the play state it leaves.
class PlaybackEntriesTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(PlayerEngine::Init(&engine_, nullptr, L"face"), 1);
        engine_.PlayerEngineReady = 1;
        engine_.frameDuration = 1000.0f / 29;
    }
    void TearDown() override {
        engine_.PlayerEngineReady = 0;
        PlayerEngine::Uninit(&engine_);
    }
    FakePlaybackBackend& Backend(bool mediaFoundation = true) {
        auto made = std::make_unique<FakePlaybackBackend>();
        made->mediaFoundation = mediaFoundation;
        FakePlaybackBackend& backend = *made;
        engine_.EnginePlaybackBackend = std::move(made);
        return backend;
    }
    int32_t Open(const std::wstring& path) { return PlayerEngine::OpenMovie(&engine_, path.c_str()); }

    PlayerEngine engine_;
    // The media detector, asked about files it cannot read, reports here
    // rather than in a box nobody closes.
    ScopedHResultReporter quietReports_{[](const std::wstring&) {}};
};

TEST_F(PlaybackEntriesTest, PlayStateTable) {
    using Entry = int32_t (*)(PlayerEngine*);
    struct Row {
        const char* name;
        Entry entry;
        uint32_t from, to;
        Calls calls;
    };
    const Row rows[] = {
        {"play from stopped", PlayerEngine::Play, 1, 2, {"Play"}},
        {"play while playing starts nothing", PlayerEngine::Play, 2, 2, {}},
        {"play from paused", PlayerEngine::Play, 3, 2, {"Play"}},
        {"pause while playing", PlayerEngine::Pause, 2, 3, {"Pause"}},
        {"pause while paused", PlayerEngine::Pause, 3, 3, {}},
        {"stop while playing", PlayerEngine::Stop, 2, 1, {"Stop"}},
        {"stop while stopped does nothing", PlayerEngine::Stop, 1, 1, {}},
        {"stop while paused", PlayerEngine::Stop, 3, 1, {"Stop"}},
        {"close from any state", PlayerEngine::CloseMovie, 2, 0, {"Close"}},
    };
    for (const Row& row : rows) {
        FakePlaybackBackend& backend = Backend();
        engine_.EnginePlayState = row.from;
        EXPECT_EQ(row.entry(&engine_), 1) << row.name;
        EXPECT_EQ(engine_.EnginePlayState, row.to) << row.name;
        if (engine_.EnginePlaybackBackend) EXPECT_EQ(backend.calls, row.calls) << row.name;
    }
}

TEST_F(PlaybackEntriesTest, NothingToControlChangesNoState) {
    for (auto entry : {PlayerEngine::Play, PlayerEngine::Pause, PlayerEngine::Stop}) {
        engine_.EnginePlaybackBackend.reset();
        engine_.EnginePlayState = PlayState::kNone;
        EXPECT_EQ(entry(&engine_), 1);
        EXPECT_EQ(engine_.EnginePlayState, PlayState::kNone);
        Backend(false).hasControl = false;
        EXPECT_EQ(entry(&engine_), 1);
        EXPECT_EQ(engine_.EnginePlayState, PlayState::kNone);
    }
}

TEST_F(PlaybackEntriesTest, APlayerNotReadyYetAnswersZeroAndIsNotTouched) {
    FakePlaybackBackend& backend = Backend();
    backend.videoControl = false;
    engine_.EnginePlayState = PlayState::kStopped;
    EXPECT_EQ(PlayerEngine::Play(&engine_), 0);
    EXPECT_EQ(PlayerEngine::Pause(&engine_), 0);
    EXPECT_EQ(PlayerEngine::Stop(&engine_), 0);
    EXPECT_EQ(PlayerEngine::GetCurrentFrame(&engine_), 0);
    EXPECT_EQ(PlayerEngine::SeekToFrame(&engine_, 5), 0);
    EXPECT_EQ(PlayerEngine::SetVideoZoom(&engine_, 1, 1, 0, 0, 1.0f, 1), 0);
    EXPECT_TRUE(backend.calls.empty());
    EXPECT_EQ(engine_.EnginePlayState, PlayState::kStopped);
}

TEST_F(PlaybackEntriesTest, CurrentFrameFromTheClock) {
    struct Case {
        std::vector<int64_t> positions;
        bool mediaFoundation;
        int32_t frame;
        int reads;
    };
    const Case cases[] = {
        {{20689655}, true, 60, 1},
        {{-1}, true, -1, 1},
        {{}, true, -1, 1},                  // the clock cannot be read
        {{0}, true, 0, 10},                  // a clock still at 0 is asked ten times
        {{0, 0, 3448276}, true, 10, 3},
        {{0}, false, 0, 1},                  // the graph's position is believed at once
    };
    for (const Case& c : cases) {
        FakePlaybackBackend& backend = Backend(c.mediaFoundation);
        backend.positions = c.positions;
        EXPECT_EQ(PlayerEngine::GetCurrentFrame(&engine_), c.frame);
        EXPECT_EQ(engine_.currentFrame, c.frame);
        EXPECT_EQ(backend.positionReads, c.reads);
    }
}

TEST_F(PlaybackEntriesTest, SeeksGoToTheFramesTime) {
    FakePlaybackBackend& backend = Backend();
    engine_.EnginePlayState = PlayState::kPaused;
    EXPECT_EQ(PlayerEngine::SeekToFrame(&engine_, 60), 1);
    EXPECT_EQ(PlayerEngine::JumpToFrame(&engine_, 60), 1);
    EXPECT_EQ(PlayerEngine::SeekWhilePlaying(&engine_, 60), 1) << "only while playing";
    engine_.EnginePlayState = PlayState::kPlaying;
    EXPECT_EQ(PlayerEngine::SeekWhilePlaying(&engine_, 60), 1);
    EXPECT_EQ(backend.calls, (Calls{"Seek 20689654", "Seek 20689654", "SeekPlaying 20689654"}));
    EXPECT_EQ(engine_.EnginePlayState, PlayState::kPlaying) << "seeks leave the play state";
}

TEST_F(PlaybackEntriesTest, SoundOnlyAtNormalSpeed) {
    FakePlaybackBackend& backend = Backend();
    EXPECT_EQ(PlayerEngine::SetVolume(&engine_, 40000), 1);
    EXPECT_EQ(PlayerEngine::SetSpeed(&engine_, 4), 1);
    EXPECT_EQ(PlayerEngine::SetVolume(&engine_, 30000), 1) << "stored, not heard";
    EXPECT_EQ(PlayerEngine::SetSpeed(&engine_, 1), 1);
    EXPECT_EQ(engine_.volume, 30000u);
    EXPECT_EQ(backend.calls, (Calls{"Volume 40000", "Volume 0", "Rate 4 thin", "Volume 0", "Volume 30000", "Rate 1"}));
}

TEST_F(PlaybackEntriesTest, ARefusedRateFailsTheSpeedButKeepsTheIndex) {
    Backend(false).rateAccepted = false;
    EXPECT_EQ(PlayerEngine::SetSpeed(&engine_, 2), 0);
    EXPECT_EQ(engine_.EngineSpeedIndex, 2);
}

TEST_F(PlaybackEntriesTest, OpeningNeedsSixteenEntriesAndARate) {
    ScratchFolder folder;
    struct Case {
        const char* name;
        int entries;
        uint32_t delta;
        int32_t opened;
        float frameDuration;
    };
    const Case cases[] = {
        {"15 entries", 15, 3000, 0, 0.0f},
        {"16 entries at 30 fps", 16, 3000, 1, 1000.0f / 30},
        {"29.97 fps as the whole rate 29", 16, 3003, 1, 1000.0f / 29},
        {"a first delta above the time scale is no rate", 16, 90001, 0, 0.0f},
    };
    ScopedFakeBackends backends([](FakePlaybackBackend& backend) { backend.duration = 20000000; });
    for (const Case& c : cases) {
        MiniRecordingPlan plan;
        plan.tracks[0].delta = c.delta;
        plan.dataSection.entryCount = c.entries;
        const auto path = folder / (std::string(c.name) + ".MOV");
        WriteWholeFile(path, MakeMiniRecording(plan));
        engine_.frameDuration = 0.0f;
        EXPECT_EQ(Open(path.wstring()), c.opened) << c.name;
        EXPECT_FLOAT_EQ(engine_.frameDuration, c.frameDuration) << c.name;
        if (c.opened) {
            EXPECT_EQ(engine_.EnginePlayState, PlayState::kStopped) << c.name;
            EXPECT_EQ(backends.Latest()->calls, (Calls{"Open", "Opened"})) << c.name;
        }
        PlayerEngine::CloseMovie(&engine_);
    }
}

TEST_F(PlaybackEntriesTest, AFailedOpeningReleasesItsBackEnd) {
    const std::wstring path = TestRecordingPath("2401020304_A001.MOV").wstring();
    for (bool mediaOpens : {false, true}) {
        bool released = false;
        // Either the media does not open, or its length cannot be read.
        ScopedFakeBackends backends([&](FakePlaybackBackend& backend) {
            backend.openSucceeds = mediaOpens;
            backend.duration = -1;
            backend.destroyed = &released;
        });
        EXPECT_EQ(Open(path), 0);
        EXPECT_TRUE(released);
        EXPECT_EQ(engine_.EnginePlaybackBackend, nullptr);
        EXPECT_EQ(engine_.EnginePlayState, PlayState::kNone);
    }
}

// A source that cannot tell its length yet (as Wine's may on a busy
// machine) does not refuse the opening: the file's timing table counts.
TEST_F(PlaybackEntriesTest, ASourceWithoutALengthYetOpensWithTheFilesFrames) {
    const RecordingRecipe& recipe = StandardRecording("2401020304_A001.MOV");
    ScopedFakeBackends backends([](FakePlaybackBackend& backend) { backend.duration = 0; });
    ASSERT_EQ(Open(TestRecordingPath(recipe.fileName).wstring()), 1);
    const auto frames = static_cast<int64_t>(recipe.durationSeconds * 90000 / recipe.frameDelta + 0.5);
    EXPECT_NEAR(PlayerEngine::GetFrameCount(&engine_), frames, 1);
}

TEST_F(PlaybackEntriesTest, LoadingGivesARecordPerFrame) {
    const std::wstring path = TestRecordingPath("2401020304_A001.MOV").wstring();
    ScopedFakeBackends backends([](FakePlaybackBackend& backend) { backend.duration = 80000000; });
    ASSERT_EQ(Open(path), 1);
    EXPECT_EQ(PlayerEngine::GetFrameCount(&engine_), 232);
    EXPECT_EQ(PlayerEngine::GetTotalFrames(&engine_), 232);
    ASSERT_EQ(PlayerEngine::LoadClipData(&engine_, path.c_str()), 1);
    const ClipRecords* records = engine_.LoadedClipReader.Records();
    ASSERT_NE(records, nullptr);
    EXPECT_EQ(records->entryCount, 80);
    EXPECT_EQ(records->frameIndex.size(), 232u);
    EXPECT_EQ(PlayerEngine::UnloadClipData(&engine_), 1);
    EXPECT_EQ(engine_.ShownClipReader.Records(), nullptr);
    EXPECT_TRUE(engine_.ShownClipReader.Path().empty());
    EXPECT_EQ(PlayerEngineWaiters, 0u);
}

}  // namespace
