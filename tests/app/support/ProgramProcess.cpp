#include "support/ProgramProcess.h"

#include <cstdlib>

#include "support/DibCanvas.h"
#include "support/MessagePump.h"

namespace testing_support {

namespace {

constexpr DWORD kStartTimeoutMs = 30000;
constexpr DWORD kExitTimeoutMs = 20000;
constexpr DWORD kLoadTimeoutMs = 20000;
constexpr DWORD kPlayTimeoutMs = 10000;
constexpr UINT kPlayCommand = 38002;
constexpr int kWindowTextChars = 64;

struct WindowSearch {
    DWORD process;
    bool mainWindow;  // the main window, else any other dialog box
    HWND found;
};

bool IsMainWindow(HWND window) {
    wchar_t title[kWindowTextChars] = L"";
    GetWindowTextW(window, title, kWindowTextChars);
    return std::wstring(title) == L"Ostrilex";
}

bool IsDialogBox(HWND window) {
    wchar_t name[kWindowTextChars] = L"";
    GetClassNameW(window, name, kWindowTextChars);
    return std::wstring(name) == L"#32770";
}

BOOL CALLBACK FindWindowOf(HWND window, LPARAM lParam) {
    auto* search = reinterpret_cast<WindowSearch*>(lParam);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != search->process || !IsWindowVisible(window)) {
        return TRUE;
    }
    const bool main = IsMainWindow(window);
    if (main != search->mainWindow || (!main && !IsDialogBox(window))) {
        return TRUE;
    }
    search->found = window;
    return FALSE;
}

HWND WindowOf(DWORD process, bool mainWindow) {
    WindowSearch search{process, mainWindow, nullptr};
    EnumWindows(&FindWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// A fingerprint of what the screen shows of a window, sampled on a grid.
unsigned long long Picture(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    if (r.right <= r.left || r.bottom <= r.top) {
        return 0;
    }
    DibCanvas shot(r.right - r.left, r.bottom - r.top);
    CaptureWindow(window, shot);
    unsigned long long sum = 0;
    for (int y = 0; y < shot.Height(); y += 4) {
        for (int x = 0; x < shot.Width(); x += 4) {
            sum = sum * 1099511628211ull + shot.Pixel(x, y);
        }
    }
    return sum;
}

}  // namespace

ProgramProcess::~ProgramProcess() {
    if (process_.Valid() && WaitForSingleObject(process_.Get(), 0) == WAIT_TIMEOUT) {
        TerminateProcess(process_.Get(), 99);
        WaitForSingleObject(process_.Get(), kExitTimeoutMs);
    }
}

HWND ProgramProcess::Launch(const std::wstring& program, const std::wstring& workFolder) {
    std::wstring commandLine = L"\"" + program + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION info{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        workFolder.c_str(), &startup, &info)) {
        return nullptr;
    }
    process_.Reset(info.hProcess);
    CloseHandle(info.hThread);
    id_ = info.dwProcessId;
    HWND window = nullptr;
    PumpUntil([&] { return (window = MainWindow()) != nullptr; }, kStartTimeoutMs);
    return window;
}

HWND ProgramProcess::MainWindow() const { return WindowOf(id_, true); }

HWND ProgramProcess::Box() const { return WindowOf(id_, false); }

long ProgramProcess::ExitCode() const {
    if (WaitForSingleObject(process_.Get(), kExitTimeoutMs) != WAIT_OBJECT_0) {
        return -1;
    }
    DWORD code = 0;
    GetExitCodeProcess(process_.Get(), &code);
    return static_cast<long>(code);
}

std::wstring ProgramPath() {
    const wchar_t* path = _wgetenv(L"OSTRILEX_PROGRAM");
    std::wstring program = path != nullptr ? path : L"";
    for (wchar_t& c : program) {
        if (c == L'/') {
            c = L'\\';
        }
    }
    return program;
}

bool PlayUntilThePositionMoves(HWND mainWindow) {
    const HWND play = GetDlgItem(mainWindow, kPlayCommand);
    if (!PumpUntil([&] { return IsWindowEnabled(play) != FALSE; }, kLoadTimeoutMs)) {
        return false;
    }
    PostMessageW(mainWindow, WM_COMMAND, MAKEWPARAM(kPlayCommand, BN_CLICKED), reinterpret_cast<LPARAM>(play));
    unsigned long long last = Picture(mainWindow);
    int changes = 0;
    return PumpUntil(
        [&] {
            const unsigned long long now = Picture(mainWindow);
            changes += now != last ? 1 : 0;
            last = now;
            return changes >= 2;
        },
        kPlayTimeoutMs);
}

}  // namespace testing_support
