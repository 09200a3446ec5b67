// Works a running viewer from outside, for the screenshot script. Runs
// under Wine in the viewer's prefix, on the viewer's display:
//
//   viewer_remote play    waits for the viewer's window, plays its first
//                         clip, waits until the position moves, and prints
//                         where the window is: "X Y WIDTH HEIGHT"
//   viewer_remote close   closes the window by its close button and waits
//                         until the program has ended
//
// Exit code 0 when it got there, 1 when not (the reason on stderr), 2 for
// a wrong call.

#include <windows.h>

#include <cstdio>
#include <cwchar>

#include "app/MainWindowIds.h"
#include "framework/Handles.h"
#include "tools/reliability/ProcessWindows.h"
#include "tools/reliability/ViewerState.h"

namespace {

constexpr DWORD kStartLimitMs = 60000;
constexpr DWORD kExitLimitMs = 20000;

HWND ViewerWindow() {
    const HWND window = FindWindowW(nullptr, kProductName);
    return window != nullptr && IsWindowVisible(window) ? window : nullptr;
}

int Fail(const wchar_t* reason) {
    std::fwprintf(stderr, L"viewer_remote: %ls\n", reason);
    return 1;
}

int Play() {
    HWND window = nullptr;
    if (!WaitUntil([&] { return (window = ViewerWindow()) != nullptr; }, kStartLimitMs)) {
        return Fail(L"no viewer window");
    }
    if (!PlayFirstClip(window)) {
        return Fail(L"the first clip did not play");
    }
    RECT r{};
    GetWindowRect(window, &r);
    std::wprintf(L"%ld %ld %ld %ld\n", r.left, r.top, r.right - r.left, r.bottom - r.top);
    return 0;
}

int Close() {
    const HWND window = ViewerWindow();
    if (window == nullptr) {
        return Fail(L"no viewer window");
    }
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const fw::UniqueHandle process(OpenProcess(SYNCHRONIZE, FALSE, processId));
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(kCommandClose, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(window, kCommandClose)));
    if (!process.Valid() || WaitForSingleObject(process.Get(), kExitLimitMs) != WAIT_OBJECT_0) {
        return Fail(L"the viewer did not end");
    }
    return 0;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc == 2 && std::wcscmp(argv[1], L"play") == 0) {
        return Play();
    }
    if (argc == 2 && std::wcscmp(argv[1], L"close") == 0) {
        return Close();
    }
    std::fwprintf(stderr, L"usage: viewer_remote play|close\n");
    return 2;
}
