// The main window's playback timings under Wine, through the real engine:
// from choosing a row to the player's ready report and to
// its data being shown, for a clip parsed ahead (the next-clip step) and
// for one that was not (a row chosen by the user); and the cost of one
// playback tick while a clip plays. The deliberate half-second delay before
// an opening is left out: the opening timer is fired at once. Prints the
// median of each.

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "BenchClock.h"
#include "TestRecordings.h"
#include "app/CkadomirDlg.h"
#include "framework/ComPtr.h"
#include "support/CkadomirDlgTestAccess.h"
#include "support/MessagePump.h"
#include "support/ScriptedPrompts.h"
#include "support/TempFolder.h"
#include "support/TestGdiplus.h"
#include "ui/shared/UiFonts.h"

namespace {

using Access = CkadomirDlgTestAccess;
constexpr int kClips = 8;
constexpr int kTicks = 100;

struct Opening {
    bool opened = false;
    double ready = 0.0;
    double shown = 0.0;
};

// Fires the opening at once and times the ready report and the data.
Opening TimeOpening(CkadomirDlg& window, const std::function<void()>& choose) {
    const double start = Milliseconds();
    choose();
    SendMessageW(window.Handle(), WM_TIMER, 101, 0);
    Opening opening;
    testing_support::PumpUntil([&] { return Access::OpenAllowed(window) != 0; }, 10000);
    opening.ready = Milliseconds() - start;
    opening.opened = testing_support::PumpUntil([&] { return Access::ClipOpen(window) != 0; }, 10000);
    opening.shown = Milliseconds() - start;
    return opening;
}

void Print(const char* what, const std::vector<Opening>& runs) {
    std::vector<double> ready, shown;
    for (const Opening& run : runs) {
        ready.push_back(run.ready);
        shown.push_back(run.shown);
    }
    std::printf("%-32s player ready %7.1f ms, data shown %7.1f ms\n", what, Median(ready), Median(shown));
}

}  // namespace

int wmain() {
    const fw::ComApartment ole(fw::ComApartment::Kind::Ole);  // as the program's thread is
    testing_support::EnsureGdiplus();
    testing_support::TempFolder work;
    const testing_support::CurrentDirectory inWork(work.Path());
    const std::wstring samples = work.File(L"samples");
    CreateDirectoryW(samples.c_str(), nullptr);
    for (int i = 0; i < kClips; ++i) {
        wchar_t name[32];
        swprintf(name, 32, L"\\24010203%02d_A%03d.MOV", i, i);
        CopyFileW(TestRecordingPath("2401020304_A001.MOV").wstring().c_str(), (samples + name).c_str(), FALSE);
    }
    WritePrivateProfileStringW(L"SOURCE", L"SELECT", L"FOLDER", work.File(L"Default_Folder.ini").c_str());
    WritePrivateProfileStringW(L"SOURCE", L"FOLDER", samples.c_str(), work.File(L"Default_Folder.ini").c_str());

    // A failure box must not wait for a person.
    testing_support::ScriptedPrompts prompts;
    const fw::ScopedPrompts scripted(prompts);
    MainWindowSeams seams = ProductSeams();
    seams.webViewRuntimeInstalled = [] { return false; };
    seams.online.probe = [] { return true; };
    {
        CkadomirDlg window(std::move(seams));
        window.CreateModeless(nullptr);
        window.Show(SW_SHOW);
        const HWND list = GetDlgItem(window.Handle(), 1001);
        std::vector<Opening> chosen, preloaded;
        std::vector<double> ticks, positionReads;
        for (int row = 0; row + 1 < kClips; row += 2) {
            chosen.push_back(TimeOpening(window, [&] {
                ListView_SetItemState(list, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
            }));
            if (!chosen.back().opened) {
                std::printf("the engine could not open the recording\n");
                break;
            }
            SendMessageW(window.Handle(), WM_COMMAND, 38002, 0);
            testing_support::PumpUntil([&] { return ThePlayerEngine().PreloadReader.parsedFlag == 1; }, 10000);
            const double start = Milliseconds();
            for (int i = 0; i < kTicks; ++i) {
                SendMessageW(window.Handle(), WM_TIMER, 100, 0);
            }
            ticks.push_back((Milliseconds() - start) / kTicks);
            // The engine's own part of a tick: its read of the play position.
            const double readStart = Milliseconds();
            for (int i = 0; i < kTicks; ++i) {
                window.EngineTable().GetCurrentFrame(&ThePlayerEngine());
            }
            positionReads.push_back((Milliseconds() - readStart) / kTicks);
            preloaded.push_back(TimeOpening(window, [&] { SendMessageW(window.Handle(), WM_COMMAND, 38005, 0); }));
        }
        if (!ticks.empty()) {
            Print("row chosen, not parsed ahead:", chosen);
            Print("next clip, parsed ahead:", preloaded);
            std::printf("%-32s %7.2f ms per call\n", "playback tick while playing:", Median(ticks));
            std::printf("%-32s %7.2f ms per call\n", "  of which the position read:", Median(positionReads));
        }
        // Printed before the window closes, which waits for the player.
        std::fflush(stdout);
        SendMessageW(window.Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
        window.DestroyWindow();
    }
    DeleteUiFonts();
    return 0;
}
