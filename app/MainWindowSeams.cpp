#include "app/MainWindowSeams.h"

#include "app/CSettingDlg.h"
#include "app/MainWindowIds.h"
#include "app/WebViewRuntime.h"
#include "browser/CSourceOpenDlg.h"
#include "map/CGoogleMapDlg.h"
#include "map/CGoogleMapDlg2.h"

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
    return seams;
}
