// The main window's message map: every message, command and notification
// it handles, one row each, naming the handler. Below it the handlers of
// sources, kind filters, the owned windows and the pages' reports.

#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "app/MainWindowMessages.h"
#include "map/MapMessages.h"

const fw::MessageMap& CkadomirDlg::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnMessage(WM_PAINT, &CkadomirDlg::OnPaint),
        fw::OnMessage(WM_QUERYDRAGICON, &CkadomirDlg::OnQueryDragIcon),
        fw::OnMessage(WM_ERASEBKGND, &CkadomirDlg::OnEraseBkgnd),
        fw::OnCtlColor(&CkadomirDlg::OnCtlColor),
        fw::OnMessage(WM_LBUTTONDOWN, &CkadomirDlg::OnLButtonDown),
        fw::OnMessage(WM_LBUTTONUP, &CkadomirDlg::OnLButtonUp),
        fw::OnMessage(WM_MOUSEMOVE, &CkadomirDlg::OnMouseMove),
        fw::OnMessage(WM_MOVE, &CkadomirDlg::OnMove),
        fw::OnMessage(WM_TIMER, &CkadomirDlg::OnTimer),
        fw::OnCommand(kCommandClose, &CkadomirDlg::OnCloseButton),
        fw::OnCommand(kCommandMinimize, &CkadomirDlg::OnMinimizeButton),
        fw::OnCommand(kCommandSizeMode, &CkadomirDlg::OnSizeButton),
        fw::OnCommand(kCommandCsv, &CkadomirDlg::OnExportCsv),
        fw::OnCommand(kCommandDelete, &CkadomirDlg::OnDeleteClips),
        fw::OnCommand(kCommandFaster, &CkadomirDlg::OnSpeedUp),
        fw::OnCommand(kCommandZoom, &CkadomirDlg::OnToggleZoomMode),
        fw::OnCommand(kCommandPrevious, &CkadomirDlg::OnPrevClip),
        fw::OnCommand(kCommandNext, &CkadomirDlg::OnNextClip),
        fw::OnCommand(kCommandOpenSource, &CkadomirDlg::OnOpenSource),
        fw::OnCommand(kCommandPlayPause, &CkadomirDlg::OnPlayPause),
        fw::OnCommand(kCommandSettings, &CkadomirDlg::OnShowSettings),
        fw::OnCommand(kCommandSlower, &CkadomirDlg::OnSpeedDown),
        fw::OnCommand(kCommandVehicleInfo, &CkadomirDlg::OnShowObd),
        fw::OnCommand(kCommandSnapshot, &CkadomirDlg::OnSnapshot),
        fw::OnCommand(kCommandStop, &CkadomirDlg::OnStop),
        fw::OnCommand(kCommandJoin, &CkadomirDlg::OnJoinClips),
        fw::OnCommand(kCommandAspect, &CkadomirDlg::OnToggleAspect),
        fw::OnMessage(WM_APP_PLAYER_STATE, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_RESERVED_2, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_SHOW_POSITION, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_PLAYER_TICK, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_PLAYER_TICK_END, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_REAPPLY_ZOOM, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_SLIDER_PRESSED, &CkadomirDlg::OnSliderPressed),
        fw::OnMessage(WM_APP_SLIDER_RELEASED, &CkadomirDlg::OnSliderReleased),
        fw::OnMessage(WM_APP_SLIDER_MOVED, &CkadomirDlg::OnSliderMoved),
        fw::OnMessage(WM_APP_MAP_READY, &CkadomirDlg::OnMapPageReady),
        fw::OnMessage(WM_APP_MAP_CRASH_CLICK, &CkadomirDlg::OnMapCrashPointClicked),
        fw::OnMessage(WM_APP_GRAPH_PREV_EVENT, &CkadomirDlg::OnPrevEventMarker),
        fw::OnMessage(WM_APP_GRAPH_NEXT_EVENT, &CkadomirDlg::OnNextEventMarker),
        fw::OnMessage(WM_APP_SETTING_CHECK, &CkadomirDlg::OnSettingCheckChanged),
        fw::OnMessage(WM_APP_VIDEO_MENU, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_RESERVED_25D, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_RESERVED_25E, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_ZOOM_AT, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_INFO_TOGGLE, &CkadomirDlg::OnInfoToggleChanged),
        fw::OnMessage(WM_APP_GRAPH_EVENT, &CkadomirDlg::OnGraphEventMessage),
        fw::OnMessage(WM_APP_CLIP_ENDED, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_LOAD_CLIP_DATA, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_OPEN_FINISHED, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_FOLDER_SELECTED, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_SHELL_NOTIFY, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_SOURCE_LOST, &CkadomirDlg::OnSourceLost),
        fw::OnMessage(WM_APP_FILELIST_DBLCLK, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnMessage(WM_APP_CLIP_DATA_LOADED, &CkadomirDlg::OnClipDataLoaded),
        fw::OnMessage(WM_APP_WORKER_DONE, &CkadomirDlg::OnWorkerDone),
        fw::OnMessage(WM_APP_WORKER_PROGRESS, &CkadomirDlg::OnWorkerProgress),
        fw::OnMessage(WM_APP_WORKER_CALL, &CkadomirDlg::OnWorkerCall),
        fw::OnMessage(WM_APP_OBD_CLOSED, &CkadomirDlg::OnIgnoredAppMessage),
        fw::OnCommandRange(kCommandKindFilterFirst, kCommandKindFilterLast, &CkadomirDlg::OnKindFilterButton),
        fw::OnNotify(LVN_ITEMCHANGED, kRecordingListId, &CkadomirDlg::OnFileListItemChanged),
        fw::OnMessage(WM_CONTEXTMENU, &CkadomirDlg::OnContextMenu),
        fw::OnMessage(WM_SIZE, &CkadomirDlg::OnSize),
        fw::OnMessage(WM_SYSCOMMAND, &CkadomirDlg::OnSysCommand),
        fw::OnMessage(WM_SETCURSOR, &CkadomirDlg::OnSetCursor),
    });
    return map;
}

// Values that nothing sends, and reports the window has no use for.
LRESULT CkadomirDlg::OnIgnoredAppMessage(const fw::Message&) { return 0; }

// No menu on the window itself; the video surface has its own.
LRESULT CkadomirDlg::OnContextMenu(const fw::Message&) { return 0; }

LRESULT CkadomirDlg::OnSetCursor(const fw::Message& m) {
    if (!busy_) {
        return Default(m);
    }
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
    return TRUE;
}

LRESULT CkadomirDlg::OnOpenSource(const fw::Message&) {
    if (EngineReady() && PlayState() != PlayState::kPaused) {
        engineTable_.Pause(&engine_);
    }
    StopPlayback();
    SetZoomMode(0);
    noSource_ = 1;
    CloseAndClear();
    const std::optional<ChosenSource> chosen = seams_.chooseSource ? seams_.chooseSource(Handle()) : std::nullopt;
    if (!chosen) {
        noSource_ = 1;
        UpdateControlStates();
        return 0;
    }
    std::wstring path = chosen->path;
    if (!path.empty() && path.back() == L'\\') {
        path.pop_back();
    }
    // A single file is played by the same engine: it stays set up.
    filePanel_.OpenSource(path, chosen->kind);
    noSource_ = chosen->kind == kSourceSdCard && !filePanel_.List().allRecords.empty() ? 0 : 1;
    UpdateControlStates();
    return 0;
}

LRESULT CkadomirDlg::OnKindFilterButton(const fw::Message& m) {
    const int k = m.CommandId() - static_cast<int>(kCommandKindFilterFirst);
    // The range has one id more than there are filters.
    if (k < 0 || k >= kKindCount) {
        return 0;
    }
    filePanel_.SetKindFilter(k, !filePanel_.IsKindFilterOn(k));
    BuildClipGroup();
    if (ClipCount() > 0) {
        filePanel_.RedrawFileCount(Handle(), sizeMode_, VideoRect());
        return 0;
    }
    if (EngineReady() && PlayState() != PlayState::kPaused) {
        engineTable_.Pause(&engine_);
    }
    StopPlayback();
    SetNormalSpeed();
    CloseClip();
    ShowPlayFace(FALSE);
    UpdateControlStates();
    UpdateControlStates();
    if (infoPanel_ != nullptr && infoPanel_->Handle() != nullptr) {
        infoPanel_->Invalidate();
    }
    return 0;
}

LRESULT CkadomirDlg::OnShowSettings(const fw::Message&) {
    if (settingsDialog_ != nullptr && settingsDialog_->Handle() != nullptr) {
        settingsDialog_->Show(SW_SHOWNORMAL);
    }
    return 0;
}

// The gauges cover the information panel and the graph.
LRESULT CkadomirDlg::OnShowObd(const fw::Message&) {
    if (obdWindow_ != nullptr && obdWindow_->Handle() != nullptr) {
        obdWindow_->parentWindow = Handle();
        obdWindow_->Open(infoPanelWidth_, infoPanelAndGraphHeight_);
        obdWindow_->Show(SW_SHOWNORMAL);
    }
    return 0;
}

LRESULT CkadomirDlg::OnSettingCheckChanged(const fw::Message& m) {
    // Only four boxes exist.
    if (m.wParam > 3) {
        return 0;
    }
    // Boxes 0 to 3 switch the event-letter, flag-75, flag-76 and detection
    // channels.
    constexpr int kBoxChannels[] = {GraphChannelId::kEventLetter, GraphChannelId::kFlagAt75,
                                    GraphChannelId::kFlagAt76, GraphChannelId::kDetection};
    SetGraphChannel(kBoxChannels[m.wParam], m.lParam != 0);
    if (IsClipIndex(currentClip_)) {
        SendCrashPositions(currentClip_);
    }
    return 0;
}

// A channel's marks show and go to the map together.
void CkadomirDlg::SetGraphChannel(int channel, bool on) {
    if (graph_ == nullptr || graph_->Handle() == nullptr) {
        return;
    }
    graph_->channels[channel].shown = on ? 1 : 0;
    graph_->channels[channel].marker = on ? 1 : 0;
    graph_->Invalidate();
}

LRESULT CkadomirDlg::OnInfoToggleChanged(const fw::Message& m) {
    if (m.wParam > 2) {
        return 0;
    }
    SetGraphChannel(static_cast<int>(m.wParam), m.lParam != 0);
    if (IsClipIndex(currentClip_)) {
        SendCrashPositions(currentClip_);
    }
    return 0;
}

LRESULT CkadomirDlg::OnMapPageReady(const fw::Message&) {
    eventPointsSent_ = 0;
    SyncMap();
    mapSeen_ = 1;
    Invalidate(false);
    return 0;
}

// The page hands back a frame number of its own; it is only sought within
// the open clip.
LRESULT CkadomirDlg::OnMapCrashPointClicked(const fw::Message& m) {
    if (!clipOpen_) {
        return 0;
    }
    SeekToFrame(static_cast<int>(m.lParam));
    return 0;
}
