#pragma once

#include <functional>
#include <memory>

#include "PlayerEngine.h"
#include "app/WindowTimers.h"
#include "framework/Dialog.h"

// What the main window is made from besides its own code: the engine's
// entry table, the windows of the panels and the map, the question whether
// the web-view runtime is installed, and its timers. The program uses
// ProductSeams(); tests replace single parts.
using PanelFactory = std::function<std::unique_ptr<fw::Dialog>()>;
// Makes the web-view map window (true) or the browser-control one (false).
using MapWindowFactory = std::function<std::unique_ptr<fw::Dialog>(bool webView)>;

struct MainWindowSeams {
    std::function<void(PlayerEngineTable&)> fillEngineTable;
    PanelFactory infoPanel;
    PanelFactory graph;
    PanelFactory settingsDialog;
    PanelFactory obdWindow;
    MapWindowFactory mapWindow;
    std::function<bool()> webViewRuntimeInstalled;
    std::shared_ptr<WindowTimers> timers;
};

MainWindowSeams ProductSeams();
