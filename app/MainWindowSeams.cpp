#include "app/MainWindowSeams.h"

#include "app/CSettingDlg.h"
#include "app/MainWindowIds.h"
#include "app/WebViewRuntime.h"
#include "browser/CSourceOpenDlg.h"
#include "map/CGoogleMapDlg.h"
#include "map/CGoogleMapDlg2.h"

namespace {

std::optional<uint64_t> FreeSpaceOf(const std::wstring& folder) {
    // Asked of the folder itself, so a share's name ("\\server\share\")
    // works as well as a drive's.
    std::wstring directory = folder;
    if (directory.empty() || directory.back() != L'\\') {
        directory += L'\\';
    }
    ULARGE_INTEGER available{};
    if (!GetDiskFreeSpaceExW(directory.c_str(), &available, nullptr, nullptr)) {
        return std::nullopt;
    }
    return available.QuadPart;
}

std::unique_ptr<fw::WorkerThread> StartThread(std::function<unsigned()> body) {
    auto thread = std::make_unique<fw::WorkerThread>(std::move(body));
    if (!thread->Created() || !thread->Resume()) {
        return nullptr;
    }
    return thread;
}

}  // namespace

MainWindowSeams ProductSeams() {
    MainWindowSeams seams;
    seams.fillEngineTable = FillPlayerEngineTable;
    seams.settingsDialog = [] { return std::make_unique<CSettingDlg>(); };
    seams.mapWindows.webView = [](IHostWebViewFuncs& bridge) -> std::unique_ptr<IWebViewMapWindow> {
        return std::make_unique<CGoogleMapDlg2>(&bridge);
    };
    seams.mapWindows.browserControl = [](IHostWebViewFuncs& bridge) -> std::unique_ptr<IMapWindow> {
        return std::make_unique<CGoogleMapDlg>(&bridge);
    };
    seams.webViewRuntimeInstalled = IsWebViewRuntimeInstalled;
    seams.timers = std::make_shared<WindowTimers>();
    seams.chooseSource = [](HWND owner) -> std::optional<ChosenSource> {
        CSourceOpenDlg dialog;
        if (dialog.DoModal(owner) != IDOK) {
            return std::nullopt;
        }
        return ChosenSource{dialog.Kind(), dialog.ChosenPath()};
    };
    seams.runSelection = [](CFileSelectDlg& dialog, HWND owner) { return dialog.DoModal(owner); };
    seams.freeSpace = FreeSpaceOf;
    seams.createJoinOutput = [](const std::wstring& path) { return CreateFileOutputSink(path); };
    seams.startThread = StartThread;
    return seams;
}
