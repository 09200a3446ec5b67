#include "tools/reliability/ViewerState.h"

#include "app/MainWindowIds.h"
#include "tools/reliability/ProcessWindows.h"
#include "ui/controls/CSkinProgressBarCtrl.h"

namespace {

constexpr DWORD kLoadLimitMs = 20000;

}  // namespace

bool WaitForClipData(HWND window) {
    const HWND play = GetDlgItem(window, kCommandPlayPause);
    return WaitUntil([&] { return IsWindowEnabled(play) != FALSE; }, kLoadLimitMs);
}

bool WorkerWriting(HWND window) {
    const HWND bar = GetDlgItem(window, CSkinProgressBarCtrl::kControlId);
    const HWND play = GetDlgItem(window, kCommandPlayPause);
    return bar != nullptr && IsWindowVisible(bar) && play != nullptr && !IsWindowEnabled(play);
}
