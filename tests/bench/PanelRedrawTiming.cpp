// The cost of one playback tick's redraw of the three sensor panels, for a
// run under Wine: a 1120 x 700 host laid out like the main window's small
// layout (information panel, G-sensor graph, gauge window over them), a
// one-minute recording with events, and per tick the panel's values and
// repaint, the graph at the new position and one step of each gauge.
// Prints the median and the slowest tick against the 30 ms tick.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchClock.h"
#include "MiniRecording.h"
#include "ReaderTestSupport.h"
#include "framework/DeviceContext.h"
#include "framework/GdiplusSession.h"
#include "panels/CGSensorDlg.h"
#include "panels/CInfoDlg.h"
#include "panels/CObdDlg.h"
#include "panels/core/FrameData.h"
#include "support/HostWindow.h"
#include "support/MessagePump.h"
#include "support/PanelRecords.h"
#include "ui/drawing/COffScreenDC.h"
#include "ui/drawing/CResourceImage.h"
#include "ui/shared/UiFonts.h"

namespace {

constexpr int kEntries = 600;
constexpr int kFrames = 1800;
constexpr float kFrameMs = 33.333f;
constexpr int kTicks = 600;
constexpr int kFramesPerTick = 3;  // a 30 ms tick at about 30 frames a second

Bytes EventfulMinute() {
    MiniRecordingPlan plan;
    plan.dataSection.fileName = "2401020400_G020.MOV";
    plan.dataSection.entryCount = kEntries;
    plan.dataSection.g.xWave = 800;
    for (int entry = 20; entry < kEntries; entry += 40) {
        plan.dataSection.triggers[entry] = "DXANND";
        plan.dataSection.triggers[entry + 15] = "NYHDNN";
    }
    return MakeMiniRecording(plan);
}

}  // namespace

int wmain() {
    const fw::GdiplusSession gdiplus;
    InitUiFontsAndFolder(GetDesktopWindow());
    MemoryFiles files;
    const wchar_t path[] = L"memory/2401020400_G020.MOV";
    files.Add(path, EventfulMinute());
    PlayerEngine engine;
    if (PlayerEngine::Init(&engine, nullptr, L"face") != 1 ||
        !testing_support::ShowRecording(engine, path, kFrames, kFrameMs)) {
        std::printf("could not load the recording\n");
        return 1;
    }
    engine.PlayerEngineReady = 1;
    engine.EnginePlayState = PlayState::kPlaying;

    testing_support::HostWindow host({0, 0, 1120, 700});
    CResourceImage skin;
    skin.LoadImages(host.Handle());
    COffScreenDC surface;
    {
        const fw::WindowDC dc(host.Handle());
        surface.Create(dc.Get(), 1120, 1120);
    }
    CGSensorDlg graph(engine);
    CInfoDlg info;
    CObdDlg gauges(engine);
    graph.CreateModeless(host.Handle());
    info.CreateModeless(host.Handle());
    gauges.SetSkin(&skin);
    gauges.CreateModeless(host.Handle());
    gauges.parentWindow = host.Handle();
    graph.Move({6, 474, 662, 660});
    info.Move({6, 407, 662, 474});
    graph.SetSurface(&surface);
    info.SetSurface(&surface, &skin);
    graph.leftMargin = 50;
    graph.tileStep = graph.BackgroundWidth() - 50;
    graph.positionRange = kFrames;
    graph.clipOpen = 1;
    graph.eventClip = 1;
    info.dateTimeFlag = 1;
    info.startTime = {2024, 1, 0, 2, 4, 0, 0, 0};
    info.frameDuration = kFrameMs;
    graph.Show(SW_SHOW);
    info.Show(SW_SHOW);
    gauges.Open(656, 253);
    gauges.Show(SW_SHOWNORMAL);
    testing_support::PumpPending();

    std::vector<double> ticks;
    for (int tick = 0; tick < kTicks; ++tick) {
        const int frame = (tick * kFramesPerTick) % kFrames;
        const double start = Milliseconds();
        const FrameData data = ReadFrameData(engine.ShownClipReader.Records(), frame);
        info.gx = data.gx;
        info.gy = data.gy;
        info.gz = data.gz;
        info.speed = data.speed;
        info.gpsValid = static_cast<int>(data.gpsValid);
        info.frameIndex = frame;
        {
            const fw::WindowDC dc(info.Handle());
            info.DrawPanel(dc.Get());
        }
        const auto& w = data.obdWords;
        gauges.SetValues(w[kWordThrottle], w[kWordEngineSpeed], w[kWordManifold], w[kWordCoolant], w[kWordSpeed]);
        graph.position = frame;
        graph.Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        for (UINT_PTR timer = CObdDlg::kFirstTimerId; timer < CObdDlg::kFirstTimerId + CObdDlg::kGauges; ++timer) {
            gauges.Send(WM_TIMER, timer);
        }
        UpdateWindow(gauges.Handle());
        GdiFlush();
        ticks.push_back(Milliseconds() - start);
        testing_support::PumpPending();
    }
    std::sort(ticks.begin(), ticks.end());
    std::printf("panel redraw per tick at 1120 x 700: median %.2f ms, 95th percentile %.2f ms, slowest %.2f ms "
                "(tick 30 ms)\n",
                ticks[ticks.size() / 2], ticks[ticks.size() * 95 / 100], ticks.back());
    gauges.DestroyWindow();
    info.DestroyWindow();
    graph.DestroyWindow();
    PlayerEngine::Uninit(&engine);
    return 0;
}
