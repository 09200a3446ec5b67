#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "PlayerEngine.h"
#include "app/WindowTimers.h"
#include "browser/CFileSelectDlg.h"
#include "browser/core/FilePanelCore.h"
#include "framework/Dialog.h"
#include "framework/WorkerThread.h"
#include "map/IHostWebViewFuncs.h"
#include "map/CInetConnectionAsync.h"
#include "map/IMapWindow.h"
#include "map/OnlineSettings.h"
#include "platform/FileOutputSink.h"

// What the main window is made from besides its own code: the engine's
// entry table, the settings dialog and the map windows, the question
// whether the web-view runtime is installed, where the map goes online,
// and its timers. The program uses ProductSeams(); tests replace single
// parts.
using PanelFactory = std::function<std::unique_ptr<fw::Dialog>()>;

// The two map windows, each made for the bridge that its page calls. Each
// is also a dialog on its template, which the main window creates.
struct MapWindowFactory {
    std::function<std::unique_ptr<IWebViewMapWindow>(IHostWebViewFuncs& bridge)> webView;
    std::function<std::unique_ptr<IMapWindow>(IHostWebViewFuncs& bridge)> browserControl;
};

// The source the user chose in the source dialog.
struct ChosenSource {
    SourceKind kind = kSourceNone;
    std::wstring path;
};

struct MainWindowSeams {
    std::function<void(PlayerEngineTable&)> fillEngineTable;
    PanelFactory settingsDialog;
    MapWindowFactory mapWindows;
    std::function<bool()> webViewRuntimeInstalled;
    OnlineSettings online;
    std::shared_ptr<WindowTimers> timers;
    // The update check's procedure, started once the map page first reports
    // ready; empty for the program's own check.
    CInetConnectionAsync::UpdateCheckProc updateCheck;
    // The source dialog; nothing when the user cancelled it.
    std::function<std::optional<ChosenSource>(HWND owner)> chooseSource;
    // Runs the filled selection dialog (delete, join) modally over owner on
    // the calling thread, a job's; IDOK when its result may be taken.
    std::function<INT_PTR(CFileSelectDlg& dialog, HWND owner)> runSelection;
    // The bytes the program may still write in a folder; nothing when the
    // system cannot say.
    std::function<std::optional<uint64_t>(const std::wstring& folder)> freeSpace;
    // Where a joined movie is written: a new file that takes its name only
    // once committed.
    std::function<std::unique_ptr<FileOutputSink>(const std::wstring& path)> createJoinOutput;
    // A job's thread, running; null when none could be started.
    std::function<std::unique_ptr<fw::WorkerThread>(std::function<unsigned()> body)> startThread;
};

MainWindowSeams ProductSeams();
