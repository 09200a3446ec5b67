#include "app/MainWindowSeams.h"

#include "app/MainWindowIds.h"
#include "app/PanelStandIn.h"
#include "app/WebViewRuntime.h"
#include "browser/CSourceOpenDlg.h"
#include "map/CGoogleMapDlg.h"
#include "map/CGoogleMapDlg2.h"

namespace {

PanelFactory StandIn(int templateId) {
    return [templateId] { return std::make_unique<PanelStandIn>(templateId); };
}

}  // namespace

MainWindowSeams ProductSeams() {
    MainWindowSeams seams;
    seams.fillEngineTable = FillPlayerEngineTable;
    // The settings dialog's own code comes with its own work; until then its
    // place holds an empty window on its template.
    seams.settingsDialog = StandIn(kSettingsTemplate);
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
