// The shown frame's record in the panels, and the clip's event markers on
// the map and under the graph's clicks, over the fake engine with the real
// record reader. The plain recording's events start at entries 12 (kind 5),
// 30 (kind 10), 31 (kind 11 with the detection flag) and 45 (kind 6).
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "app/MainWindowIds.h"
#include "app/MainWindowMessages.h"
#include "support/MapWindowStandIn.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/DibCanvas.h"
#include "support/MainWindowFixture.h"
#include "support/MessagePump.h"
#include "support/PanelRecords.h"

namespace {

using Access = CkadomirDlgTestAccess;
using testing_support::PumpPending;
using testing_support::PumpUntil;

// A map window whose page takes scripts and keeps them.
class ScriptedMapWindow : public MapWindowStandIn {
public:
    explicit ScriptedMapWindow(std::vector<std::wstring>& scripts) : MapWindowStandIn(134), scripts_(scripts) {}
    void RunScript(const std::wstring& statement) override { scripts_.push_back(statement); }

private:
    std::vector<std::wstring>& scripts_;
};

class MainWindowSensors : public testing_support::MainWindowTest {
protected:
    void StartOnline() {
        UseSourceFolder(Samples(), {"2401020304_A001.MOV", "2401020312_G002.MOV"});
        MainWindowSeams seams = Seams();
        seams.mapWindows.browserControl = [this](IHostWebViewFuncs&) -> std::unique_ptr<IMapWindow> {
            return std::make_unique<ScriptedMapWindow>(scripts);
        };
        seams.online.probe = [this] { return online.load(); };
        seams.updateCheck = [this](CInetConnectionAsync&) { return ++updateChecks, 0u; };
        Start(std::move(seams));
        ASSERT_TRUE(PumpUntil([this] { return Access::MapBridge(*dialog).Connection().Online(); }, 3000));
    }
    void PageReady() {
        Access::MapBridge(*dialog).OnInitHtml();
        PumpPending();
    }
    int EventPoints() const {
        int points = 0;
        for (const std::wstring& script : scripts) points += script.rfind(L"cplist.AddCrashPos(", 0) == 0 ? 1 : 0;
        return points;
    }
    int FrameOfEntry(int entry) const { return testing_support::FrameOfEntry(block.ShownClipReader.Records(), entry); }
    void Click(UINT message) {
        Send(message);
        PumpPending();
    }

    std::vector<std::wstring> scripts;
    std::atomic<bool> online{true};
    int updateChecks = 0;
};

TEST_F(MainWindowSensors, EachShownFrameHandsItsRecordToThePanels) {
    StartOnline();
    ASSERT_TRUE(OpenChosenClip());
    const int frame = FrameOfEntry(40);
    dialog->ShowFrameData(frame);
    const CInfoDlg& info = Access::InfoPanelObject(*dialog);
    EXPECT_DOUBLE_EQ(info.gx, block.ShownClipReader.Records()->frameIndex[frame]->x);
    EXPECT_EQ(info.speed, 40.0);
    EXPECT_EQ(info.gpsValid, 1);
    EXPECT_EQ(info.frameIndex, frame);
    const CObdDlg& gauges = Access::Gauges(*dialog);
    const int expected[kObdQuantityCount] = {25, 25, 110, 90, 40};
    for (int q = 0; q < kObdQuantityCount; ++q) EXPECT_EQ(gauges.GetQuantityValue(q), expected[q]) << q;
    EXPECT_EQ(Access::GraphPanel(*dialog).position, frame);
    dialog->ShowFrameData(100000);  // past the end: the last frame
    EXPECT_EQ(info.frameIndex, 299);
}

// The clip left behind leaves nothing on the panel, and its fixes no longer
// count for the map, while the next one opens.
TEST_F(MainWindowSensors, LeavingAClipClearsItsValuesUntilTheNextClipsDataArrive) {
    StartOnline();
    const std::function<void()> ways[] = {
        [this] { ClickRow(1); },               // the user picks another row
        [this] { dialog->SelectClip(TRUE); },  // the clip opens anew, as after a job
    };
    ASSERT_TRUE(OpenChosenClip());
    const CInfoDlg& info = Access::InfoPanelObject(*dialog);
    for (size_t way = 0; way < std::size(ways); ++way) {
        SCOPED_TRACE("way " + std::to_string(way));
        dialog->ShowFrameData(FrameOfEntry(40));
        ASSERT_GT(info.speed, 0.0);
        ASSERT_GT(info.gx, kNoGValue);
        ASSERT_TRUE(Access::MapBridge(*dialog).GpsSeen());

        ways[way]();
        EXPECT_EQ(info.speed, kNoSpeed);
        EXPECT_EQ(info.gx, kNoGValue);
        EXPECT_EQ(info.gy, kNoGValue);
        EXPECT_EQ(info.gz, kNoGValue);
        EXPECT_EQ(info.gpsValid, 0);
        EXPECT_EQ(info.frameIndex, -1);  // no date either
        EXPECT_EQ(info.dateTimeFlag, 0);
        EXPECT_FALSE(Access::MapBridge(*dialog).GpsSeen());

        ASSERT_TRUE(OpenChosenClip());
        EXPECT_EQ(info.frameIndex, 0);
        EXPECT_EQ(info.dateTimeFlag, 1);
    }
}

// In the large layout the panel is a strip painted on the main window: it
// too must stop showing the clip left behind, without waiting for a repaint.
TEST_F(MainWindowSensors, TheLargeLayoutsStripForgetsTheClipLeftBehind) {
    StartOnline();
    ASSERT_TRUE(OpenChosenClip());
    Command(kCommandSizeMode);
    Command(kCommandSizeMode);
    ASSERT_EQ(Access::SizeMode(*dialog), 2);
    const RECT strip{370, 666, 960, 696};  // speed, date and time
    const auto stripShown = [&] {
        PumpPending();
        testing_support::DibCanvas shot(1120, 700);
        testing_support::CaptureWindow(dialog->Handle(), shot);
        std::vector<COLORREF> pixels;
        for (LONG y = strip.top; y < strip.bottom; ++y) {
            for (LONG x = strip.left; x < strip.right; ++x) pixels.push_back(shot.Pixel(x, y));
        }
        return pixels;
    };
    dialog->ShowFrameData(FrameOfEntry(40));
    const std::vector<COLORREF> clipA = stripShown();

    ClickRow(1);
    const std::vector<COLORREF> afterLeaving = stripShown();
    InvalidateRect(dialog->Handle(), nullptr, TRUE);
    UpdateWindow(dialog->Handle());
    const std::vector<COLORREF> repainted = stripShown();
    EXPECT_NE(afterLeaving, clipA);
    EXPECT_EQ(afterLeaving, repainted);  // what a fresh paint shows: no values
}

TEST_F(MainWindowSensors, TheReadyPageGetsEachClipsEventPointsAndOneUpdateCheck) {
    StartOnline();
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_EQ(EventPoints(), 0);  // no page yet: no markers, no points
    EXPECT_TRUE(Access::Markers(*dialog).empty());
    PageReady();
    EXPECT_EQ(EventPoints(), 5);
    EXPECT_EQ(updateChecks, 1);
    Fire(100);  // the tick's map step has nothing more to send
    EXPECT_EQ(EventPoints(), 5);
    // Switching the detection marks off sends the points again without it.
    Send(WM_APP_SETTING_CHECK, 3, 0);
    EXPECT_EQ(EventPoints(), 5 + 4);
    EXPECT_EQ(Access::GraphPanel(*dialog).channels[GraphChannelId::kDetection].shown, 0);
    ClickRow(1);
    ASSERT_TRUE(OpenChosenClip());
    Fire(100);
    EXPECT_GT(EventPoints(), 9);
    EXPECT_EQ(updateChecks, 1);
}

TEST_F(MainWindowSensors, GraphClicksStepThroughTheMarkersAndWrapAround) {
    StartOnline();
    ASSERT_TRUE(OpenChosenClip());
    PageReady();
    const int first = FrameOfEntry(12);
    const int last = FrameOfEntry(45);
    Click(WM_APP_GRAPH_NEXT_EVENT);
    EXPECT_EQ(Access::GraphPanel(*dialog).position, first);
    Click(WM_APP_GRAPH_NEXT_EVENT);
    EXPECT_EQ(Access::GraphPanel(*dialog).position, FrameOfEntry(30));
    Click(WM_APP_GRAPH_PREV_EVENT);
    Click(WM_APP_GRAPH_PREV_EVENT);  // before the first: round to the last
    EXPECT_EQ(Access::GraphPanel(*dialog).position, last);
    Send(WM_APP_INFO_TOGGLE, 0, 0);
    EXPECT_EQ(Access::GraphPanel(*dialog).channels[0].marker, 0);
}

// Clip A's markers point into A's records. With the page gone offline the
// list is not rebuilt for clip B, so it must not survive A.
TEST_F(MainWindowSensors, AMarkerListNeverOutlivesItsClip) {
    StartOnline();
    ASSERT_TRUE(OpenChosenClip());
    PageReady();
    ASSERT_FALSE(Access::Markers(*dialog).empty());
    online = false;
    ASSERT_TRUE(PumpUntil([this] { return !Access::MapBridge(*dialog).Connection().Online(); }, 3000));
    Access::MapBridge(*dialog).ConnectTest();
    ClickRow(1);
    ASSERT_TRUE(OpenChosenClip());
    EXPECT_TRUE(Access::Markers(*dialog).empty());
    const size_t calls = engine.Calls().size();
    Click(WM_APP_GRAPH_NEXT_EVENT);
    Click(WM_APP_GRAPH_PREV_EVENT);
    const std::vector<std::string> after = engine.Calls();
    for (size_t i = calls; i < after.size(); ++i) {
        EXPECT_EQ(after[i].find("ToFrame"), std::string::npos) << after[i];
    }
}

}  // namespace
