// Starts and closes the viewer again and again, the way a user does, and
// counts how each run ended. Runs under Wine:
//
//   start_close_cycles PROGRAM WORKDIR [CYCLES]
//
// The working directory holds the settings file that names the recordings
// to open, and names its "csv" folder as the export folder. Every other run
// is closed while a clip plays (the play command is given once the clip's
// data have arrived, and the window is watched until it shows the position
// moving); every sixth run is closed while the CSV export's worker writes
// (started through the export button and the folder chooser, and watched
// until the progress bar shows with the controls off); the others are
// closed as soon as the window shows, while the first clip is still being
// opened and loaded. The window is closed by its close button and by the
// system menu in turn.
//
// A run is clean when the program ends by itself with exit code 0 and
// never shows a box of its own, but for the box saying the export is done,
// which is answered with OK (the run then did not close over a running
// export: it ended first); a hang when it is still there after the exit
// limit (it is then ended by force); a crash when it ends with any other
// code. The counts are printed at the end; the exit code is 0 only when every run was clean and every
// run meant to play or to close over a running export got there.

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "app/MainWindowIds.h"
#include "framework/Handles.h"
#include "tools/reliability/ExportJob.h"
#include "tools/reliability/ProcessWindows.h"
#include "tools/reliability/ViewerState.h"

namespace {

constexpr DWORD kStartLimitMs = 30000;
constexpr DWORD kExitLimitMs = 20000;
constexpr int kDefaultCycles = 50;
constexpr int kJobEvery = 6;
constexpr int kJobAt = 2;  // of each kJobEvery runs; an even one, so it takes none from the playing runs
constexpr wchar_t kExportFolder[] = L"\\csv";

// What a run does before it closes the window.
enum class Kind { Open, Play, Job };

Kind KindOf(int cycle) {
    if (cycle % 2 == 1) {
        return Kind::Play;
    }
    return cycle % kJobEvery == kJobAt ? Kind::Job : Kind::Open;
}

bool BySystemMenu(int cycle) { return cycle % 4 < 2; }

enum class Outcome { Clean, Hang, Crash, NoWindow };

struct Run {
    Outcome outcome = Outcome::Clean;
    DWORD exitCode = 0;
    bool reached = false;  // it played, or its export was writing, when closed
    bool boxShown = false;
    bool finishedAnswered = false;
    DWORD closeMs = 0;
};

class Cycles {
public:
    Cycles(std::wstring program, std::wstring work)
        : program_(std::move(program)), work_(std::move(work)), export_(work_ + kExportFolder) {}

    Run Once(int cycle) {
        Run run;
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info{};
        std::wstring commandLine = L"\"" + program_ + L"\"";
        if (!CreateProcessW(program_.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, work_.c_str(),
                            &startup, &info)) {
            run.outcome = Outcome::NoWindow;
            return run;
        }
        CloseHandle(info.hThread);
        const fw::UniqueHandle process(info.hProcess);
        HWND window = nullptr;
        WaitUntil([&] { return (window = WindowTitled(info.dwProcessId, kProductName)) != nullptr; },
                  kStartLimitMs);
        if (window == nullptr) {
            run.outcome = Outcome::NoWindow;
        } else {
            Prepare(KindOf(cycle), info.dwProcessId, window, run);
            const HWND box = BoxOf(info.dwProcessId, window);
            run.boxShown = box != nullptr && !ExportJob::IsFinishedBox(box);
            Close(cycle, process.Get(), info.dwProcessId, window, run);
            // The export said it was done: the window did not close over it.
            run.reached = run.reached && !run.finishedAnswered;
        }
        if (run.outcome != Outcome::Clean) {
            TerminateProcess(process.Get(), 99);
            WaitForSingleObject(process.Get(), kExitLimitMs);
        }
        GetExitCodeProcess(process.Get(), &run.exitCode);
        if (run.outcome == Outcome::Clean && run.exitCode != 0) {
            run.outcome = Outcome::Crash;
        }
        return run;
    }

private:
    void Prepare(Kind kind, DWORD processId, HWND window, Run& run) const {
        if (kind == Kind::Play) {
            run.reached = PlayFirstClip(window);
        } else if (kind == Kind::Job) {
            run.reached = export_.StartAndWaitRunning(processId, window);
        }
    }

    // Closes the window and waits for the program to end, answering the
    // box that says the export is done should it come.
    static void Close(int cycle, HANDLE process, DWORD processId, HWND window, Run& run) {
        const ULONGLONG closing = GetTickCount64();
        if (BySystemMenu(cycle)) {
            PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        } else {
            PostMessageW(window, WM_COMMAND, MAKEWPARAM(kCommandClose, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(window, kCommandClose)));
        }
        const bool ended = WaitUntil(
            [&] {
                const HWND box = BoxOf(processId, window);
                if (box != nullptr && ExportJob::IsFinishedBox(box)) {
                    run.finishedAnswered = true;
                    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
                } else if (box != nullptr) {
                    run.boxShown = true;
                }
                return WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
            },
            kExitLimitMs);
        run.closeMs = static_cast<DWORD>(GetTickCount64() - closing);
        if (!ended) {
            run.outcome = Outcome::Hang;
        }
    }

    std::wstring program_;
    std::wstring work_;
    ExportJob export_;
};

const wchar_t* Describe(Outcome outcome) {
    switch (outcome) {
    case Outcome::Clean:
        return L"clean";
    case Outcome::Hang:
        return L"HANG";
    case Outcome::Crash:
        return L"CRASH";
    default:
        return L"NO WINDOW";
    }
}

const wchar_t* Describe(Kind kind, const Run& run) {
    switch (kind) {
    case Kind::Play:
        return run.reached ? L"while playing" : L"play NOT seen";
    case Kind::Job:
        if (run.finishedAnswered) {
            return L"export ENDED before the close";
        }
        return run.reached ? L"while exporting" : L"export NOT seen";
    default:
        return L"while opening";
    }
}

struct Counts {
    int clean = 0, hangs = 0, crashes = 0, noWindow = 0, boxes = 0, answered = 0;
    int played = 0, playAsked = 0, exported = 0, exportAsked = 0;

    void Add(Kind kind, const Run& run) {
        playAsked += kind == Kind::Play ? 1 : 0;
        played += kind == Kind::Play && run.reached ? 1 : 0;
        exportAsked += kind == Kind::Job ? 1 : 0;
        exported += kind == Kind::Job && run.reached ? 1 : 0;
        boxes += run.boxShown ? 1 : 0;
        answered += run.finishedAnswered ? 1 : 0;
        clean += run.outcome == Outcome::Clean && !run.boxShown ? 1 : 0;
        hangs += run.outcome == Outcome::Hang ? 1 : 0;
        crashes += run.outcome == Outcome::Crash ? 1 : 0;
        noWindow += run.outcome == Outcome::NoWindow ? 1 : 0;
    }
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: start_close_cycles PROGRAM WORKDIR [CYCLES]\n");
        return 2;
    }
    const int cycles = argc > 3 ? _wtoi(argv[3]) : kDefaultCycles;
    Cycles runner(argv[1], argv[2]);
    Counts counts;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        const Run run = runner.Once(cycle);
        const Kind kind = KindOf(cycle);
        counts.Add(kind, run);
        std::wprintf(L"cycle %2d: %-9ls %ls, closed by the %ls, exit code %lu, closed in %lu ms%ls%ls\n", cycle + 1,
                     Describe(run.outcome), Describe(kind, run),
                     BySystemMenu(cycle) ? L"system menu" : L"close button", run.exitCode, run.closeMs,
                     run.finishedAnswered ? L", its done box answered" : L"",
                     run.boxShown ? L", a box was shown" : L"");
        std::fflush(stdout);
    }
    std::wprintf(L"\n%d runs: %d clean, %d hangs, %d crashes, %d without a window, %d with a box; "
                 L"%d of %d closed while a clip played, %d of %d while an export ran "
                 L"(%d done boxes answered)\n",
                 cycles, counts.clean, counts.hangs, counts.crashes, counts.noWindow, counts.boxes, counts.played,
                 counts.playAsked, counts.exported, counts.exportAsked, counts.answered);
    // A run meant to close while a clip plays or an export runs proves
    // nothing when it never got there.
    return counts.clean == cycles && counts.played == counts.playAsked && counts.exported == counts.exportAsked
               ? 0
               : 1;
}
