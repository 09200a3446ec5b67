#include "tools/reliability/ViewerState.h"

#include "app/MainWindowIds.h"
#include "framework/DeviceContext.h"
#include "framework/Handles.h"
#include "tools/reliability/ProcessWindows.h"
#include "ui/controls/CSkinProgressBarCtrl.h"

namespace {

constexpr DWORD kLoadLimitMs = 20000;
constexpr DWORD kPlayLimitMs = 10000;

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

}  // namespace

bool WaitForClipData(HWND window) {
    const HWND play = GetDlgItem(window, kCommandPlayPause);
    return WaitUntil([&] { return IsWindowEnabled(play) != FALSE; }, kLoadLimitMs);
}

// The position shows moving on the seek bar's thumb and the graph's
// position line: the video area itself reads back black from the screen
// under Wine.
bool PlayFirstClip(HWND window) {
    if (!WaitForClipData(window)) {
        return false;
    }
    const HWND play = GetDlgItem(window, kCommandPlayPause);
    PostMessageW(window, WM_COMMAND, MAKEWPARAM(kCommandPlayPause, BN_CLICKED), reinterpret_cast<LPARAM>(play));
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

bool WorkerWriting(HWND window) {
    const HWND bar = GetDlgItem(window, CSkinProgressBarCtrl::kControlId);
    const HWND play = GetDlgItem(window, kCommandPlayPause);
    return bar != nullptr && IsWindowVisible(bar) && play != nullptr && !IsWindowEnabled(play);
}
