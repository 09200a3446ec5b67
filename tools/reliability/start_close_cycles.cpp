// Starts and closes the viewer again and again, the way a user does, and
// counts how each run ended. Runs under Wine:
//
//   start_close_cycles PROGRAM WORKDIR [CYCLES]
//
// The working directory holds the settings file that names the recordings
// to open. Every other run is closed while a clip plays (the play command
// is given once the clip's data have arrived, and the window is watched
// until it shows the position moving); the others are closed as soon as the window
// shows, while the first clip is still being opened and loaded. The window
// is closed by its close button and by the system menu in turn.
//
// A run is clean when the program ends by itself with exit code 0 and
// never shows a box of its own; a hang when it is still there after the
// exit limit (it is then ended by force); a crash when it ends with any
// other code. The counts are printed at the end; the exit code is 0 only
// when every run was clean and every run meant to play did.

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "framework/DeviceContext.h"
#include "framework/Handles.h"

namespace {

constexpr DWORD kStartLimitMs = 30000;
constexpr DWORD kLoadLimitMs = 20000;
constexpr DWORD kPlayLimitMs = 10000;
constexpr DWORD kExitLimitMs = 20000;
constexpr int kDefaultCycles = 50;
constexpr UINT kCommandClose = 14;
constexpr UINT kCommandPlay = 38002;
constexpr int kPlayButtonId = 38002;

struct Search {
    DWORD process;
    const wchar_t* title;  // null: any dialog box ("#32770") of the process
    HWND except;           // not this one (the main window is a dialog too)
    HWND found;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<Search*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window) || window == search->except) {
        return TRUE;
    }
    wchar_t text[64] = L"";
    if (search->title != nullptr) {
        GetWindowTextW(window, text, 64);
        if (std::wstring(text) != search->title) {
            return TRUE;
        }
    } else {
        GetClassNameW(window, text, 64);
        if (std::wstring(text) != L"#32770") {
            return TRUE;
        }
    }
    search->found = window;
    return FALSE;
}

HWND WindowOf(DWORD process, const wchar_t* title, HWND except = nullptr) {
    Search search{process, title, except, nullptr};
    EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

template <class Condition>
bool WaitUntil(Condition condition, DWORD limitMs) {
    const ULONGLONG deadline = GetTickCount64() + limitMs;
    while (!condition()) {
        if (GetTickCount64() >= deadline) {
            return false;
        }
        Sleep(20);
    }
    return true;
}

// A checksum of what the screen shows of a window.
unsigned long long Picture(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    const int width = r.right - r.left;
    const int height = r.bottom - r.top;
    if (width <= 0 || height <= 0) {
        return 0;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    const fw::WindowDC screen(nullptr);
    const fw::MemoryDC memory(screen.Get());
    const fw::Bitmap bitmap(CreateDIBSection(screen.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bitmap) {
        return 0;
    }
    const fw::SelectedObject selected(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width, height, screen.Get(), r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* pixel = static_cast<const DWORD*>(bits);
    unsigned long long sum = 0;
    for (int i = 0; i < width * height; ++i) {
        sum = sum * 1099511628211ull + (pixel[i] & 0xFFFFFF);
    }
    return sum;
}

enum class Outcome { Clean, Hang, Crash, NoWindow };

struct Run {
    Outcome outcome = Outcome::Clean;
    DWORD exitCode = 0;
    bool played = false;
    bool boxShown = false;
    DWORD closeMs = 0;
};

class Cycles {
public:
    Cycles(std::wstring program, std::wstring work) : program_(std::move(program)), work_(std::move(work)) {}

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
        WaitUntil([&] { return (window = WindowOf(info.dwProcessId, L"Ostrilex")) != nullptr; }, kStartLimitMs);
        if (window == nullptr) {
            run.outcome = Outcome::NoWindow;
        } else {
            if (cycle % 2 == 1) {
                run.played = Play(window);
            }
            run.boxShown = WindowOf(info.dwProcessId, nullptr, window) != nullptr;
            const ULONGLONG closing = GetTickCount64();
            if (cycle % 4 < 2) {
                PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            } else {
                PostMessageW(window, WM_COMMAND, MAKEWPARAM(kCommandClose, BN_CLICKED),
                             reinterpret_cast<LPARAM>(GetDlgItem(window, kCommandClose)));
            }
            const DWORD ended = WaitForSingleObject(process.Get(), kExitLimitMs);
            run.closeMs = static_cast<DWORD>(GetTickCount64() - closing);
            if (ended != WAIT_OBJECT_0) {
                run.boxShown = run.boxShown || WindowOf(info.dwProcessId, nullptr, window) != nullptr;
                run.outcome = Outcome::Hang;
            }
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
    // Plays the first clip once its data are in (the play button comes on),
    // and waits until the window shows the position moving (the seek bar's
    // thumb, the graph's position line): the video area itself reads back
    // black from the screen under Wine.
    static bool Play(HWND window) {
        const HWND play = GetDlgItem(window, kPlayButtonId);
        if (!WaitUntil([&] { return IsWindowEnabled(play) != FALSE; }, kLoadLimitMs)) {
            return false;
        }
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(kCommandPlay, BN_CLICKED), reinterpret_cast<LPARAM>(play));
        unsigned long long last = Picture(window);
        int changes = 0;
        return WaitUntil(
            [&] {
                const unsigned long long now = Picture(window);
                changes += now != last ? 1 : 0;
                last = now;
                return changes >= 2;
            },
            kPlayLimitMs);
    }

    std::wstring program_;
    std::wstring work_;
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

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 3) {
        std::fwprintf(stderr, L"usage: start_close_cycles PROGRAM WORKDIR [CYCLES]\n");
        return 2;
    }
    const int cycles = argc > 3 ? _wtoi(argv[3]) : kDefaultCycles;
    Cycles runner(argv[1], argv[2]);
    int clean = 0, hangs = 0, crashes = 0, noWindow = 0, boxes = 0, played = 0, playAsked = 0;
    for (int cycle = 0; cycle < cycles; ++cycle) {
        const Run run = runner.Once(cycle);
        playAsked += cycle % 2;
        played += run.played ? 1 : 0;
        boxes += run.boxShown ? 1 : 0;
        clean += run.outcome == Outcome::Clean && !run.boxShown ? 1 : 0;
        hangs += run.outcome == Outcome::Hang ? 1 : 0;
        crashes += run.outcome == Outcome::Crash ? 1 : 0;
        noWindow += run.outcome == Outcome::NoWindow ? 1 : 0;
        std::wprintf(L"cycle %2d: %-9ls %ls, closed by the %ls, exit code %lu, closed in %lu ms%ls\n", cycle + 1,
                     Describe(run.outcome), cycle % 2 == 1 ? (run.played ? L"while playing" : L"play NOT seen")
                                                           : L"while opening",
                     cycle % 4 < 2 ? L"system menu" : L"close button", run.exitCode, run.closeMs,
                     run.boxShown ? L", a box was shown" : L"");
        std::fflush(stdout);
    }
    std::wprintf(L"\n%d runs: %d clean, %d hangs, %d crashes, %d without a window, %d with a box; "
                 L"%d of %d closed while a clip played\n",
                 cycles, clean, hangs, crashes, noWindow, boxes, played, playAsked);
    // A run meant to close while a clip plays proves nothing when the clip
    // never played.
    return clean == cycles && played == playAsked ? 0 : 1;
}
