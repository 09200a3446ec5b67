#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "ForwardingBackend.h"
#include "PlaybackFixture.h"
#include "PlayerMessages.h"
#include "ProcessCounts.h"
#include "StandardRecordings.h"
#include "TestRecordings.h"
#include "player/CPlayer.h"
#include "player/MediaFoundationBackend.h"
#include "player/PresenterLink.h"

namespace {

// 2 s of 1280x720 video without sound, and 8 s of 640x360 with sound (which
// there is no device for: the player rebuilds without it).
constexpr char kVideoOnly[] = "2401020320_M003.MOV";
constexpr char kWithSound[] = "2401020304_A001.MOV";
constexpr DWORD kEndWaitMs = 6000;
// How long a playing clip may take to move on a loaded machine.
constexpr DWORD kMoveWaitMs = 10000;
// How much of the clock's advance a rate is measured over.
constexpr MFTIME kRateSpan = 5000000;  // 0.5 s of system time, in 100 ns

// The clock's own time against the system time it is correlated with.
bool ClockSample(PlayerEngine& engine, MFTIME& clock, MFTIME& system) {
    auto* backend = dynamic_cast<MediaFoundationBackend*>(engine.EnginePlaybackBackend.get());
    if (backend == nullptr) return false;
    const fw::ComPtr<IMFPresentationClock> presentation = backend->Player()->Clock();
    return presentation && SUCCEEDED(presentation->GetCorrelatedTime(0, &clock, &system));
}

bool NothingAlive() { return CPlayer::LiveCount() == 0 && PresenterObjectsLive() == 0; }

TEST_F(PlaybackTest, OpeningPostsOneReadyWithADisplayControl) {
    for (const char* name : {kVideoOnly, kWithSound, "2401020312_G002.MOV"}) {
        const RecordingRecipe& recipe = StandardRecording(name);
        OpenReady(name);
        PumpFor(500);
        EXPECT_EQ(window_->Count(WM_PLAYER_READY), 1) << name;
        ASSERT_TRUE(engine_.EnginePlaybackBackend && engine_.EnginePlaybackBackend->HasVideoControl()) << name;

        const float duration = table_.GetFrameDuration(&engine_);
        EXPECT_FLOAT_EQ(duration, 1000.0f / static_cast<float>(90000 / recipe.frameDelta)) << name;
        EXPECT_NEAR(table_.GetFrameCount(&engine_), std::floor(recipe.durationSeconds * 1000.0 / duration), 1) << name;
        int32_t width = 0;
        int32_t height = 0;
        ASSERT_EQ(table_.GetVideoSize(&engine_, &width, &height), 1) << name;
        EXPECT_EQ(width, recipe.width) << name;
        EXPECT_EQ(height, recipe.height) << name;
        CloseTimed();
        window_ = std::make_unique<PlaybackWindow>(windowWidth_, windowHeight_);
        engine_.videoWindow = window_->Handle();
    }
}

TEST_F(PlaybackTest, PlaysToTheEndOnceAlsoAfterASeek) {
    OpenReady(kVideoOnly);
    PlaceLikeTheMainWindow();
    ASSERT_EQ(table_.Play(&engine_), 1);
    ASSERT_TRUE(WaitUntil([this] { return window_->Count(WM_PLAYER_ENDED) > 0; }, kEndWaitMs));
    PumpFor(500);
    EXPECT_EQ(window_->Count(WM_PLAYER_ENDED), 1);

    table_.Pause(&engine_);
    ASSERT_EQ(table_.SeekToFrame(&engine_, 30), 1);
    ASSERT_EQ(table_.Play(&engine_), 1);
    ASSERT_TRUE(WaitUntil([this] { return window_->Count(WM_PLAYER_ENDED) > 1; }, kEndWaitMs));
    PumpFor(500);
    EXPECT_EQ(window_->Count(WM_PLAYER_ENDED), 2);
}

TEST_F(PlaybackTest, PauseSeekAndResumeKeepTheirPlace) {
    OpenReady(kWithSound);
    PlaceLikeTheMainWindow();
    ASSERT_EQ(table_.Play(&engine_), 1);
    ASSERT_TRUE(WaitUntil([this] { return Frame() >= 15; }, kMoveWaitMs)) << "the clip plays";

    ASSERT_EQ(table_.Pause(&engine_), 1);
    const int32_t paused = SettledFrame();
    PumpFor(500);
    EXPECT_NEAR(Frame(), paused, 1) << "a paused clip holds still";

    ASSERT_EQ(table_.SeekToFrame(&engine_, 60), 1);
    EXPECT_NEAR(SettledFrame(), 60, 2);
    PumpFor(500);
    EXPECT_NEAR(Frame(), 60, 2) << "a seek while paused stays paused";

    ASSERT_EQ(table_.Play(&engine_), 1);
    int32_t lowest = Frame();
    EXPECT_TRUE(WaitUntil(
        [&] {
            lowest = std::min(lowest, Frame());
            return Frame() >= 75;
        },
        kMoveWaitMs))
        << "playing on moves";
    EXPECT_GE(lowest, 58) << "playing on continues from the frame sought";
}

TEST_F(PlaybackTest, SpeedStepsMoveTheClock) {
    OpenReady(kWithSound);
    PlaceLikeTheMainWindow();
    ASSERT_EQ(table_.SetVolume(&engine_, 40000), 1);
    ASSERT_EQ(table_.Play(&engine_), 1);
    ASSERT_TRUE(WaitUntil([this] { return Frame() > 0; }, kMoveWaitMs));
    struct Step {
        int32_t index;
        double rate;
    };
    for (const Step step : {Step{2, 2.0}, Step{-2, 0.5}, Step{1, 1.0}}) {
        ASSERT_EQ(table_.SetSpeed(&engine_, step.index), 1);
        // The new rate holds once the clock has moved on from the change.
        PumpFor(200);
        MFTIME clockFrom = 0, systemFrom = 0, clockTo = 0, systemTo = 0;
        ASSERT_TRUE(ClockSample(engine_, clockFrom, systemFrom));
        ASSERT_TRUE(WaitUntil([&] { return ClockSample(engine_, clockTo, systemTo) && systemTo - systemFrom >= kRateSpan; },
                              kMoveWaitMs));
        const double measured = static_cast<double>(clockTo - clockFrom) / static_cast<double>(systemTo - systemFrom);
        EXPECT_NEAR(measured, step.rate, step.rate * 0.1) << "speed " << step.index;
    }
    EXPECT_EQ(engine_.volume, 40000u);
}

TEST_F(PlaybackTest, ClosingWhilePlayingIsQuickAndLeavesNothingAlive) {
    OpenReady(kWithSound);
    PlaceLikeTheMainWindow();
    ASSERT_EQ(table_.Play(&engine_), 1);
    ASSERT_TRUE(WaitUntil([this] { return Frame() > 0; }, kMoveWaitMs));
    EXPECT_LT(CloseTimed(), kHangMs);
    EXPECT_EQ(engine_.EnginePlayState, 0u);
    EXPECT_TRUE(WaitUntil(NothingAlive, 2000)) << CPlayer::LiveCount() << " players, " << PresenterObjectsLive()
                                               << " presenter objects";
}

TEST_F(PlaybackTest, FailedOpeningLeavesNothingRunning) {
    // The movie's length cannot be read once its player has started work.
    struct ZeroLength : ForwardingBackend {
        using ForwardingBackend::ForwardingBackend;
        bool ReadDuration(int64_t&) override { return false; }
    };
    ScopedPlaybackBackendFactory zeroLength([](HWND__* window) -> std::unique_ptr<PlaybackBackend> {
        return std::make_unique<ZeroLength>(MediaFoundationBackend::Create(window));
    });
    const std::wstring path = TestRecordingPath(kVideoOnly).wstring();
    EXPECT_EQ(table_.OpenMovie(&engine_, path.c_str()), 0);
    EXPECT_EQ(engine_.EnginePlaybackBackend, nullptr);
    EXPECT_TRUE(WaitUntil(NothingAlive, 2000));
    PumpFor(2000);
    EXPECT_EQ(window_->Count(WM_PLAYER_READY), 0) << "no late ready for an opening that failed";
}

TEST_F(PlaybackTest, OpenCloseCyclesKeepHandlesAndGdiObjectsFlat) {
    const std::wstring path = TestRecordingPath(kVideoOnly).wstring();
    std::vector<HGDIOBJ> drawingObjects;
    auto cycle = [&] {
        const int before = window_->Count(WM_PLAYER_READY);
        ASSERT_EQ(table_.OpenMovie(&engine_, path.c_str()), 1);
        ASSERT_TRUE(WaitUntil([&] { return window_->Count(WM_PLAYER_READY) > before; }, kReadyWaitMs));
        auto* backend = dynamic_cast<MediaFoundationBackend*>(engine_.EnginePlaybackBackend.get());
        ASSERT_NE(backend, nullptr);
        drawingObjects.push_back(backend->OverlayDc());
        drawingObjects.push_back(GetCurrentObject(backend->OverlayDc(), OBJ_BITMAP));
        table_.CloseMovie(&engine_);
    };
    cycle();
    ASSERT_TRUE(WaitUntil(NothingAlive, 2000));
    const DWORD handles = CountOpenHandles();
    const DWORD gdiObjects = CountGdiObjects();
    for (int i = 0; i < 20; ++i) cycle();
    ASSERT_TRUE(WaitUntil(NothingAlive, 2000));
    EXPECT_LE(CountOpenHandles(), handles + 2);
    EXPECT_LE(CountGdiObjects(), gdiObjects + 2);
    for (HGDIOBJ object : drawingObjects) EXPECT_EQ(GetObjectType(object), 0u) << "the overlay's drawing objects go";
}

}  // namespace
