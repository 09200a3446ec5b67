#include <gtest/gtest.h>

#include "PlaybackFixture.h"
#include "PlayerMessages.h"
#include "TestRecordings.h"
#include "player/DirectShowBackend.h"

namespace {

constexpr int32_t kGraphComplete = 1;  // EC_COMPLETE

// Where Media Foundation is missing, the DirectShow graph plays.
class DirectShowPlaybackTest : public PlaybackTest {
protected:
    ScopedPlaybackBackendFactory forced_{
        [](HWND__* window) -> std::unique_ptr<PlaybackBackend> { return DirectShowBackend::Create(window); }};
};

bool HasFilter(IGraphBuilder* graph, const wchar_t* name) {
    fw::ComPtr<IBaseFilter> filter;
    return SUCCEEDED(graph->FindFilterByName(name, filter.Put())) && filter;
}

TEST_F(DirectShowPlaybackTest, PlaysTheVideoOnlyMovieToItsEnd) {
    const std::wstring path = TestRecordingPath("2401020320_M003.MOV").wstring();
    ASSERT_EQ(table_.OpenMovie(&engine_, path.c_str()), 1);
    auto* graph = dynamic_cast<DirectShowBackend*>(engine_.EnginePlaybackBackend.get());
    ASSERT_NE(graph, nullptr);
    EXPECT_TRUE(HasFilter(graph->Graph(), L"VMR9"));
    EXPECT_TRUE(HasFilter(graph->Graph(), L"Source"));
    PumpFor(200);
    EXPECT_EQ(window_->Count(WM_PLAYER_READY), 1) << "the opening announces itself";
    EXPECT_EQ(table_.GetFrameCount(&engine_), 58) << "frames of the movie's own length, not of 1/30 s";

    bool complete = false;
    window_->onGraphEvent = [&] {
        int32_t code = 0;
        while (engine_.EnginePlaybackBackend && engine_.EnginePlaybackBackend->TakeGraphEvent(code)) {
            complete = complete || code == kGraphComplete;
        }
    };
    ASSERT_EQ(table_.Play(&engine_), 1);
    EXPECT_TRUE(WaitUntil([&] { return complete; }, 6000));
}

TEST(MediaDetector, FindsTheVideoStreamsRate) {
    fw::ComApartment apartment;
    double rate = 0.0;
    ASSERT_TRUE(DetectFrameRateByMediaDetector(TestRecordingPath("2401020304_A001.MOV").wstring(), rate));
    EXPECT_NEAR(rate, 29.97, 0.01);
}

}  // namespace
