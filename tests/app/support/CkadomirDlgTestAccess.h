#pragma once

#include "app/CkadomirDlg.h"

// Reads the main window's private state for tests.
class CkadomirDlgTestAccess {
public:
    static int Volume(const CkadomirDlg& d) { return d.volume_; }
    static int KeepAspect(const CkadomirDlg& d) { return d.keepAspect_; }
    static int NoSource(const CkadomirDlg& d) { return d.noSource_; }
    static int SizeMode(const CkadomirDlg& d) { return d.sizeMode_; }
    static int ControlsOff(const CkadomirDlg& d) { return d.controlsOff_; }
    static LayoutPoint ZoomCentre(const CkadomirDlg& d) { return d.zoomCentre_; }
    static float ZoomScale(const CkadomirDlg& d) { return d.zoomScale_; }
    static int InfoPanelWidth(const CkadomirDlg& d) { return d.infoPanelWidth_; }
    static int InfoPanelAndGraphHeight(const CkadomirDlg& d) { return d.infoPanelAndGraphHeight_; }
    static HWND ToolTip(const CkadomirDlg& d) { return d.toolTip_.Handle(); }
    static HWND InfoPanel(const CkadomirDlg& d) { return d.infoPanel_ ? d.infoPanel_->Handle() : nullptr; }
    static HWND Graph(const CkadomirDlg& d) { return d.graph_ ? d.graph_->Handle() : nullptr; }
    static const CGSensorDlg& GraphPanel(const CkadomirDlg& d) { return *d.graph_; }
    static const CInfoDlg& InfoPanelObject(const CkadomirDlg& d) { return *d.infoPanel_; }
    static const CObdDlg& Gauges(const CkadomirDlg& d) { return *d.obdWindow_; }
    static const EventMarkerList& Markers(const CkadomirDlg& d) { return d.eventMarkers_; }
    static HWND MapWindow(const CkadomirDlg& d) { return d.mapWindow_ ? d.mapWindow_->Handle() : nullptr; }
    static CGoogleMapDlgWrap& MapBridge(CkadomirDlg& d) { return d.mapBridge_; }
    static HWND SettingsDialog(const CkadomirDlg& d) { return d.settingsDialog_ ? d.settingsDialog_->Handle() : nullptr; }
    static HWND ObdWindow(const CkadomirDlg& d) { return d.obdWindow_ ? d.obdWindow_->Handle() : nullptr; }
    static HWND ProgressBar(const CkadomirDlg& d) { return d.progressBar_.Handle(); }
    static int VolumeSliderPosition(const CkadomirDlg& d) { return d.volumeSlider_.position; }
    static int VolumeSliderMaximum(const CkadomirDlg& d) { return d.volumeSlider_.maximum; }
    static HDC OffScreenDC(const CkadomirDlg& d) { return d.offScreen_.GetDC(); }
    static int Busy(const CkadomirDlg& d) { return d.busy_; }
    static int OpenAllowed(const CkadomirDlg& d) { return d.openAllowed_; }
    static int ClipOpen(const CkadomirDlg& d) { return d.clipOpen_; }
    static int ContinuePlay(const CkadomirDlg& d) { return d.continuePlay_; }
    static int CurrentClip(const CkadomirDlg& d) { return d.currentClip_; }
    static int PendingSeek(const CkadomirDlg& d) { return d.pendingSeek_; }
    static int NearEndControlsOff(const CkadomirDlg& d) { return d.nearEndControlsOff_; }
    static const CSkinSliderCtrl& SeekSlider(const CkadomirDlg& d) { return d.seekSlider_; }
    static CSkinSliderCtrl& SeekSlider(CkadomirDlg& d) { return d.seekSlider_; }
    static void SetBusy(CkadomirDlg& d, int busy) { d.busy_ = busy; }
    static void SetLayout(CkadomirDlg& d, int sizeMode, int fullScreen) {
        d.sizeMode_ = sizeMode;
        d.fullScreen_ = fullScreen;
    }
    static void SetZoomMode(CkadomirDlg& d, int on) { d.SetZoomMode(on); }
    static bool JobPending(const CkadomirDlg& d) { return d.workerDonePending_ || d.worker_ != nullptr; }
    static const MovieFileRecordList& Shown(const CkadomirDlg& d) { return d.filePanel_.List().shownRecords; }
    static bool HoldsLocks(const CkadomirDlg& d) { return d.clipListLock_.Valid() && d.eventMarkerLock_.Valid(); }
    static CFilerContainer& FilePanel(CkadomirDlg& d) { return d.filePanel_; }
    static int FullScreen(const CkadomirDlg& d) { return d.fullScreen_; }
    static int ZoomMode(const CkadomirDlg& d) { return d.videoSurface_.zoomMode; }
    static void SetClipOpen(CkadomirDlg& d, int open) { d.clipOpen_ = open; }
};
