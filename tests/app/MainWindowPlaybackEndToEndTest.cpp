// The main window playing through the real engine under Wine: a folder of
// three recordings, the first chosen and played to its end, the next one
// taken over from its pre-parsed data and played on, paused, sought by the
// slider, played at x2, and the window closed while it plays.
#include <gtest/gtest.h>

#include <windows.h>

#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

#include "TestRecordings.h"
#include "framework/ComPtr.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MainWindowFixture.h"
#include "support/MessagePump.h"
#include "ui/controls/CSkinSliderCtrl.h"

namespace {

using Access = CkadomirDlgTestAccess;
using testing_support::PumpUntil;

class MainWindowEndToEnd : public testing_support::MainWindowTest {
protected:
    void StartWithTheEngine() {
        // A 2 s clip, a 4.9 s one to pause and seek in, and a 1 s one after.
        UseSourceFolder(Samples(), {"2401020320_M003.MOV"});
        for (const auto& [from, to] : {std::pair{"2401020312_G002.MOV", L"2401020330_A004.MOV"},
                                       std::pair{"2401020330_P004.MOV", L"2401020340_A005.MOV"}}) {
            ASSERT_TRUE(CopyFileW(TestRecordingPath(from).wstring().c_str(), (Samples() + L"\\" + to).c_str(), FALSE));
        }
        MainWindowSeams seams = Seams();
        seams.fillEngineTable = FillPlayerEngineTable;
        seams.timers = std::make_shared<WindowTimers>();
        Start(std::move(seams));
    }
    bool Playing(int clip) const {
        return Access::CurrentClip(*dialog) == clip && Access::ClipOpen(*dialog) &&
               block.EnginePlayState == PlayState::kPlaying;
    }
    // The player has presented a frame: the engine can grab it.
    bool FramePresented() const {
        const std::wstring jpeg = folder.File(L"presented.jpg");
        return dialog->EngineTable().SaveSnapshot(&block, jpeg.c_str()) == 1 && std::filesystem::file_size(jpeg) > 0;
    }
    fw::ComApartment ole_{fw::ComApartment::Kind::Ole};  // as the program's thread is
};

TEST_F(MainWindowEndToEnd, PlaysThroughTheFolderPausesSeeksSpeedsUpAndClosesWhilePlaying) {
    StartWithTheEngine();
    ASSERT_TRUE(OpenChosenClip());
    const int frames = Access::SeekSlider(*dialog).maximum;
    ASSERT_GT(frames, 30);
    Command(38002);
    EXPECT_TRUE(PumpUntil([&] { return FramePresented(); }));
    // The tick follows the position with the clip's own records.
    EXPECT_TRUE(PumpUntil([&] { return Access::SeekSlider(*dialog).position > 0; }));
    ASSERT_NE(block.ShownClipReader.Records(), nullptr);
    EXPECT_EQ(block.ShownClipReader.Records()->frameIndex.size(), static_cast<size_t>(frames));

    // The second clip was parsed ahead; a byte changed on disk now would
    // show in a second read.
    ASSERT_TRUE(PumpUntil([&] { return block.PreloadReader.parsedFlag == 1; }));
    const std::wstring second = Samples() + L"\\2401020330_A004.MOV";
    const std::vector<uint8_t> bytes = ReadWholeFile(second);
    const ByteView area = FindDataArea(bytes);
    ASSERT_FALSE(area.empty());
    constexpr size_t kFirstVersionByte = 17;  // in the recorder record that opens the data
    const size_t at = static_cast<size_t>(area.data() - bytes.data()) + kFirstVersionByte;
    {
        std::fstream file(std::filesystem::path(second), std::ios::in | std::ios::out | std::ios::binary);
        file.seekp(static_cast<std::streamoff>(at));
        file.put(static_cast<char>(bytes[at] ^ 0x40));
    }
    ASSERT_TRUE(PumpUntil([&] { return Playing(1); }, 15000))
        << "clip " << Access::CurrentClip(*dialog) << ", data in " << Access::ClipOpen(*dialog) << ", busy "
        << Access::Busy(*dialog) << ", play state " << block.EnginePlayState << ", frame "
        << dialog->EngineTable().GetCurrentFrame(&block) << " of " << frames << ", boxes " << prompts.Messages().size();
    EXPECT_EQ(block.ShownClipReader.Cs().versionBytes[0], bytes[at]);

    Command(38002);
    EXPECT_EQ(block.EnginePlayState, PlayState::kPaused);
    CSkinSliderCtrl& slider = Access::SeekSlider(*dialog);
    slider.offThumb = 1;
    const int target = slider.maximum / 2;
    Send(WM_APP_SLIDER_PRESSED, 38100, target);
    EXPECT_TRUE(PumpUntil([&] {
        const int position = dialog->EngineTable().GetCurrentFrame(&block);
        return position >= target - 3 && position <= target + 3;
    }));
    Command(38002);
    Command(38004);
    EXPECT_EQ(block.EngineSpeedIndex, 2);
    EXPECT_EQ(block.EnginePlayState, PlayState::kPlaying);

    ASSERT_TRUE(CloseFromSystemMenu());
    EXPECT_EQ(block.PlayerEngineReady, 0u);
}

}  // namespace
