// A clip played in the main window through the real engine: as the
// playback tick shows the position, the information panel shows the
// records under it and the graph marks the clip's events at their frames.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>

#include "StandardRecordings.h"
#include "framework/ComPtr.h"
#include "panels/core/InfoText.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/DibCanvas.h"
#include "support/MainWindowFixture.h"
#include "support/MessagePump.h"
#include "support/PanelRecords.h"

namespace {

using Access = CkadomirDlgTestAccess;
using testing_support::PumpUntil;

constexpr char kPlain[] = "2401020304_A001.MOV";  // from 2024/01/02 03:04:05; kind 6 at entry 45
constexpr DWORD kPlayerWaitMs = 15000;

class MainWindowPlaying : public testing_support::MainWindowTest {
protected:
    // The program's thread is an OLE apartment; the player needs one.
    fw::ComApartment ole_{fw::ComApartment::Kind::Ole};
};

TEST_F(MainWindowPlaying, PanelsFollowTheRecordsUnderThePlayPosition) {
    UseSourceFolder(Samples(), {kPlain});
    MainWindowSeams seams = Seams();
    seams.fillEngineTable = FillPlayerEngineTable;
    Start(std::move(seams));
    Fire(101);
    ASSERT_TRUE(PumpUntil([this] { return Access::ClipOpen(*dialog) != 0; }, kPlayerWaitMs));
    Command(38002);  // play
    const RecordingRecipe& recipe = StandardRecording(kPlain);
    const CInfoDlg& info = Access::InfoPanelObject(*dialog);
    for (int position : {40, 150}) {
        ASSERT_TRUE(PumpUntil([&] { return dialog->EngineTable().GetCurrentFrame(&block) >= position; },
                              kPlayerWaitMs));
        Fire(100);
        const int frame = info.frameIndex;
        ASSERT_GE(frame, position);
        const int entry = block.ShownClipReader.Records()->frameIndex[frame]->entryIndex;
        const ExpectedEntry expected = ExpectEntry(recipe, entry);
        EXPECT_FLOAT_EQ(static_cast<float>(info.gx), static_cast<float>(expected.gx) / 1000.0f) << frame;
        EXPECT_EQ(info.speed, expected.speedKmh);
        // The frame's offset is formed in single precision, in 100 ns units.
        const auto ticks = static_cast<uint64_t>(static_cast<float>(frame) * info.frameDuration * 10000.0f);
        char time[32];
        std::snprintf(time, sizeof time, "2024/01/02 03:04:%02d", 5 + static_cast<int>(ticks / 10000000));
        const auto shown = DateTimeText(info.startTime, frame, info.frameDuration);
        ASSERT_TRUE(shown.has_value());
        EXPECT_EQ(*shown, std::wstring(time, time + std::strlen(time))) << frame;
    }

    // The graph spreads the whole clip over its width; kind 6's white line.
    const HWND graph = Access::Graph(*dialog);
    const int column =
        50 + static_cast<int>(testing_support::FrameOfEntry(block.ShownClipReader.Records(), 45) *
                              Access::GraphPanel(*dialog).GetPixelsPerFrame());
    testing_support::DibCanvas shot(656, 186);
    testing_support::CaptureWindow(graph, shot);
    EXPECT_EQ(shot.Pixel(column, 20), RGB(255, 255, 255));
}

}  // namespace
