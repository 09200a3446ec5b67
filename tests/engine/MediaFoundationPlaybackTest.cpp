#include <gtest/gtest.h>

#include "PlaybackFixture.h"
#include "PlayerMessages.h"
#include "StandardRecordings.h"
#include "player/DirectShowBackend.h"

namespace {

TEST_F(PlaybackTest, ExploreAudio) {
    ULONGLONG t0 = GetTickCount64();
    OpenReady("2401020304_A001.MOV");
    printf("ready after %llu ms\n", GetTickCount64() - t0);
    PumpFor(500);
    EXPECT_EQ(window_->Count(WM_PLAYER_READY), 1);
    printf("frames %lld\n", (long long)table_.GetFrameCount(&engine_));
    PlaceLikeTheMainWindow();
    table_.Play(&engine_);
    PumpFor(1000);
    printf("after 1s frame %d\n", Frame());
    table_.Pause(&engine_);
    PumpFor(300);
    int a = Frame();
    PumpFor(500);
    printf("paused %d -> %d\n", a, Frame());
    table_.SeekToFrame(&engine_, 60);
    printf("seek 60 settled %d\n", SettledFrame());
    table_.Play(&engine_);
    PumpFor(1000);
    printf("after play 1s frame %d\n", Frame());
    table_.SetSpeed(&engine_, 2);
    int b = Frame();
    PumpFor(1000);
    printf("x2: %d -> %d\n", b, Frame());
    table_.SetSpeed(&engine_, -2);
    b = Frame();
    PumpFor(1000);
    printf("x0.5: %d -> %d\n", b, Frame());
}

TEST_F(PlaybackTest, ExploreDirectShow) {
    ScopedPlaybackBackendFactory forced([](HWND__* w) -> std::unique_ptr<PlaybackBackend> { return DirectShowBackend::Create(w); });
    bool complete = false;
    window_->onGraphEvent = [&] {
        int32_t code = 0;
        while (engine_.EnginePlaybackBackend && engine_.EnginePlaybackBackend->TakeGraphEvent(code)) {
            printf("graph event %d\n", code);
            if (code == 1) complete = true;
        }
    };
    ULONGLONG t0 = GetTickCount64();
    OpenReady("2401020320_M003.MOV");
    printf("ready after %llu ms; reports %zu\n", GetTickCount64() - t0, reports_.size());
    for (auto& r : reports_) printf("report %ls\n", r.c_str());
    printf("frames %lld\n", (long long)table_.GetFrameCount(&engine_));
    table_.Play(&engine_);
    EXPECT_TRUE(WaitUntil([&] { return complete; }, 6000));
    printf("frame %d\n", Frame());
}

}  // namespace
