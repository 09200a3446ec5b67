// Another process for the window tests: shows one window of the
// framework's own class, with the title it is given, until the window is
// closed (or a minute has passed, should its test be gone).
#include <windows.h>

#include "support/HostWindow.h"

namespace {

constexpr ULONGLONG kLongestLifeMs = 60000;

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        return 2;
    }
    testing_support::HostWindow window({0, 0, 100, 100}, WS_POPUP);
    if (window.Handle() == nullptr) {
        return 1;
    }
    SetWindowTextW(window.Handle(), argv[1]);
    const ULONGLONG deadline = GetTickCount64() + kLongestLifeMs;
    while (window.Handle() != nullptr && GetTickCount64() < deadline) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 100, QS_ALLINPUT);
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            DispatchMessageW(&message);
        }
    }
    return 0;
}
