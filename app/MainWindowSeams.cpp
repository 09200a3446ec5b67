#include "app/MainWindowSeams.h"

#include "app/CSettingDlg.h"
#include "app/MainWindowIds.h"
#include "app/PanelStandIn.h"
#include "app/WebViewRuntime.h"
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
    // The panels' own code comes with their own work; until then each place
    // holds an empty window on its template.
    seams.infoPanel = StandIn(kInfoPanelTemplate);
    seams.graph = StandIn(kGraphTemplate);
    seams.settingsDialog = [] { return std::make_unique<CSettingDlg>(); };
    seams.obdWindow = StandIn(kObdTemplate);
    seams.mapWindows.webView = [](IHostWebViewFuncs& bridge) -> std::unique_ptr<IWebViewMapWindow> {
        return std::make_unique<CGoogleMapDlg2>(&bridge);
    };
    seams.mapWindows.browserControl = [](IHostWebViewFuncs& bridge) -> std::unique_ptr<IMapWindow> {
        return std::make_unique<CGoogleMapDlg>(&bridge);
    };
    seams.webViewRuntimeInstalled = IsWebViewRuntimeInstalled;
    seams.timers = std::make_shared<WindowTimers>();
    return seams;
}
