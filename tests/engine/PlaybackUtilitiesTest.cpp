#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <limits>

#include "FakePlaybackBackend.h"
#include "PlaybackSpeed.h"
#include "PlayerEngine.h"
#include "VideoZoom.h"

namespace {

constexpr int32_t kSpeeds[6] = {-4, -2, -1, 1, 2, 4};

struct SpeedRow {
    const char* name;
    bool faster;
    bool reversePlayable;
    bool mediaFoundation;
    int32_t next[6];
};

// The speed buttons' table, row by row.
const SpeedRow kRows[] = {
    {"faster, reverse play possible", true, true, false, {-2, -1, 1, 2, 4, 4}},
    {"faster, reverse play possible, with the player", true, true, true, {-2, -1, 1, 2, 4, 4}},
    {"faster, reverse play not possible", true, false, false, {-2, 1, 1, 2, 4, 4}},
    {"slower, Media Foundation player present", false, false, true, {1, -2, -2, -1, 1, 2}},
    {"slower, reverse play possible, with the player", false, true, true, {1, -2, -2, -1, 1, 2}},
    {"slower, no Media Foundation player", false, false, false, {-4, -4, -2, -1, 1, 2}},
};

class PlaybackSpeedTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine_.PlayerEngineReady = 1;
        engine_.EnginePlayState = PlayState::kPlaying;
    }
    void UsePlayer(bool present) {
        engine_.EnginePlaybackBackend = present ? std::make_unique<FakePlaybackBackend>() : nullptr;
    }

    PlayerEngine engine_;
};

TEST_F(PlaybackSpeedTest, EveryCellOfTheTable) {
    for (const SpeedRow& row : kRows) {
        engine_.reversePlayable = row.reversePlayable ? 1 : 0;
        UsePlayer(row.mediaFoundation);
        for (int i = 0; i < 6; ++i) {
            engine_.EngineSpeedIndex = kSpeeds[i];
            EXPECT_EQ(NextPlaybackSpeed(engine_, row.faster), row.next[i]) << row.name << ", from " << kSpeeds[i];
        }
    }
}

TEST_F(PlaybackSpeedTest, OnlyAPlayingMovieChangesSpeed) {
    engine_.EngineSpeedIndex = 4;
    for (uint32_t state : {PlayState::kNone, PlayState::kStopped, PlayState::kPaused}) {
        engine_.EnginePlayState = state;
        EXPECT_EQ(NextPlaybackSpeed(engine_, 1), 1) << state;
        EXPECT_EQ(NextPlaybackSpeed(engine_, 0), 1) << state;
    }
    engine_.PlayerEngineReady = 0;
    EXPECT_EQ(NextPlaybackSpeed(engine_, 1), 0);
    EXPECT_EQ(NextPlaybackSpeed(engine_, 0), 0);
}

TEST_F(PlaybackSpeedTest, SpeedOutsideTheStepsGoesBackToNormal) {
    for (int32_t odd : {0, 3, -3, 8, -8}) {
        engine_.EngineSpeedIndex = odd;
        EXPECT_EQ(NextPlaybackSpeed(engine_, 1), 1) << odd;
        EXPECT_EQ(NextPlaybackSpeed(engine_, 0), 1) << odd;
    }
}

TEST(ApplyVideoZoom, NothingWhileTheEngineIsNotSetUp) {
    PlayerEngine engine;
    EXPECT_EQ(ApplyVideoZoom(engine, 0, 328, 186, 0, 0, 1.0f), 0);
}

struct ZoomCase {
    const char* name;
    ZoomRect before;
    int32_t x, y;
    float scale;
    int32_t result;
    ZoomRect after;
};

std::array<int32_t, 4> Edges(const ZoomRect& r) { return {r.left, r.top, r.right, r.bottom}; }

const float kNaN = std::numeric_limits<float>::quiet_NaN();
const float kInfinity = std::numeric_limits<float>::infinity();

const ZoomCase kZoomCases[] = {
    {"doubled around the centre", {0, 0, 100, 100}, 50, 50, 2.0f, 1, {-50, -50, 150, 150}},
    {"scale 1 changes nothing", {5, 6, 105, 56}, 20, 30, 1.0f, 1, {5, 6, 105, 56}},
    // 0.33 x 50 = 16.5 and 0.67 x 50 = 33.5, each cut to a whole pixel.
    {"growth cut toward zero", {10, 20, 110, 70}, 33, 10, 1.5f, 1, {-6, 15, 143, 90}},
    // -16.5 and -33.5 go to -16 and -33, not to -17 and -34.
    {"shrinking cut toward zero", {10, 20, 110, 70}, 33, 10, 0.5f, 1, {26, 25, 77, 50}},
    {"scale 0", {0, 0, 100, 100}, 50, 50, 0.0f, 0, {0, 0, 100, 100}},
    {"scale NaN", {0, 0, 100, 100}, 50, 50, kNaN, 0, {0, 0, 100, 100}},
    {"left passes right", {0, 0, 100, 100}, 50, 50, -1.0f, 0, {0, 0, 100, 100}},
    {"no width", {40, 0, 40, 100}, 0, 50, 2.0f, 0, {40, 0, 40, 100}},
    {"no height", {0, 30, 100, 30}, 50, 0, 2.0f, 0, {0, 30, 100, 30}},
    {"edges beyond any window", {0, 0, 100, 100}, 50, 50, 1e30f, 0, {0, 0, 100, 100}},
    {"infinite scale", {0, 0, 100, 100}, 50, 50, kInfinity, 0, {0, 0, 100, 100}},
};

TEST(ZoomRectAroundPoint, Examples) {
    for (const ZoomCase& c : kZoomCases) {
        ZoomRect rect = c.before;
        EXPECT_EQ(ZoomRectAroundPoint(rect, c.x, c.y, c.scale), c.result) << c.name;
        EXPECT_EQ(Edges(rect), Edges(c.after)) << c.name;
    }
}

}  // namespace
