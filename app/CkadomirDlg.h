#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "PlayerEngine.h"
#include "app/CMovieStatic.h"
#include "app/MainWindowSeams.h"
#include "app/core/ControlStateRules.h"
#include "app/core/MainWindowGeometry.h"
#include "browser/CFilerContainer.h"
#include "browser/core/EngineRecorderProbe.h"
#include "framework/Dialog.h"
#include "framework/Handles.h"
#include "framework/ToolTip.h"
#include "framework/WorkerThread.h"
#include "map/CGoogleMapDlgWrap.h"
#include "panels/CGSensorDlg.h"
#include "panels/CInfoDlg.h"
#include "panels/CObdDlg.h"
#include "ui/controls/CSkinButton.h"
#include "ui/controls/CSkinProgressBarCtrl.h"
#include "ui/controls/CSkinSliderCtrl.h"
#include "ui/drawing/CLapTimeArea.h"
#include "ui/drawing/COffScreenDC.h"
#include "ui/drawing/CResourceImage.h"

class CkadomirDlg;
struct FrameData;
// A job of the one worker (CSV export, delete, join); it gets the main
// window and returns 0.
using WorkerProcedure = std::function<unsigned(CkadomirDlg&)>;

// The main window: a borderless 1120 x 700 dialog whose life is the
// program's. Its work is spread over files by concern:
//   CkadomirDlgStartup.cpp        construction and start-up
//   CkadomirDlgTeardown.cpp       teardown and the ways to close
//   CkadomirDlgMessages.cpp       the message map, sources, filters, panels
//   CkadomirDlgSelection.cpp      choosing a clip in the list or the tree
//   CkadomirDlgOpen.cpp           opening a clip and loading its data
//   CkadomirDlgClip.cpp           closing a clip, the next clip and folder
//   CkadomirDlgTimers.cpp         what each timer does, the playback tick
//   CkadomirDlgPlayback.cpp       position, seeking, volume, the play button
//   CkadomirDlgCommands.cpp       the playback commands and the sliders
//   CkadomirDlgVideo.cpp          the video surface's events and its menu
//   CkadomirDlgFrameData.cpp      the shown frame's data and the map step
//   CkadomirDlgChildren.cpp       the child windows and buttons
//   CkadomirDlgControls.cpp       which controls are enabled when
//   CkadomirDlgLayout.cpp         layouts and painting
//   CkadomirDlgWindowModes.cpp    size modes, full screen and the zoom mode
//   CkadomirDlgDrag.cpp           dragging the window by its title band
//   CkadomirDlgSourceLost.cpp     a source that disappears
//   CkadomirDlgWorker.cpp         the worker job, its progress and its controls
//   CkadomirDlgCsv.cpp            the CSV export of the source's recordings
//   CkadomirDlgJoin.cpp           joining recordings into one movie
//   CkadomirDlgDelete.cpp         deleting recordings
//   CkadomirDlgSnapshot.cpp       saving the shown frame as a picture
class CkadomirDlg : public fw::Dialog, public FolderSelectionHandler, public VideoSurfaceOwner {
public:
    explicit CkadomirDlg(MainWindowSeams seams = ProductSeams());
    ~CkadomirDlg() override;

    // The folder tree's selection moved: the folder's recordings are listed.
    void OnFolderSelChanged(const NMTREEVIEWW& notification) override;

    // The video surface's calls.
    void OnVideoContextMenu(POINT screen, HWND window) override;
    void OnZoomAtPoint(UINT keyFlags, POINT client) override;
    void OnClipEnded(WPARAM wParam, LPARAM lParam) override;
    void OnLoadClipData(WPARAM wParam, LPARAM lParam) override;
    void OnGraphEvent(WPARAM wParam, LPARAM lParam) override;
    // toggle 1 enters or leaves full screen; 0 only leaves it, or puts a
    // window that is not in full screen back into its size mode.
    void ToggleFullScreen(int toggle) override;
    bool MayEnterFullScreen() const override;

    // Stops playback, the worker and the engine and lets the named locks
    // go; the window itself stays until its loop ends.
    void Teardown();

    void DisableControls();
    void EnableControls();
    void UpdateControlStates();

    void LayoutSmall();
    void LayoutMedium();
    void LayoutLarge();
    // The next size mode, kept on the work area.
    void SwitchSizeMode();
    void LayoutFullScreen();
    void SetZoomMode(int on);
    void PlaceSubWindows();

    // Clip selection, opening and closing.
    BOOL SelectClip(BOOL resetSeek);
    void CloseClip();
    void CloseAndClear();
    void NextClip();

    // Position and playback.
    BOOL IsNearEnd();
    BOOL SeekToFrame(int frame);
    BOOL ShowFrameData(int frame);
    void SetSeekPos(int frame);
    BOOL ShowSpeedText();
    static std::wstring SpeedCaption(int32_t speedIndex);
    void SetVolume(int volume);
    void SetPlayButtonState(BOOL playing);
    BOOL Resume();
    BOOL StopPlayback();
    BOOL PausePlayback();
    void RefreshVideo();

    // The map and the event markers.
    void SyncMap();
    // Paints a picture in the map's place on dc, or on a DC of its own
    // when none is given.
    void DrawMapArea(HDC dc = nullptr);
    void DrawMapPlaceholder(HDC dc);
    void DrawMapOfflineImage(HDC dc);
    BOOL SendCrashPositions(int clipIndex);
    BOOL FindNextEventMarker(int frame);
    BOOL FindPrevEventMarker(int frame);

    // Starts a job on the worker thread with the controls off; refused
    // while an earlier job has not been wound up.
    void StartWorker(WorkerProcedure procedure);
    // Stops the job and waits for its thread, serving what it sends to
    // this thread's windows; the controls come back.
    void EndWorker();
    void EnableAllControls(BOOL enable);
    bool WorkerRunning() const { return workerRun_.load() != 0; }
    // A job runs, or its end has not been handled yet.
    bool JobOutstanding() const { return worker_ != nullptr || workerDonePending_; }

    const PlayerEngineTable& EngineTable() const { return engineTable_; }

protected:
    BOOL OnInitDialog() override;
    // Enter and Esc never close the main window.
    void OnOK() override {}
    void OnCancel() override {}
    const fw::MessageMap& GetMessageMap() const override;

private:
    friend class CkadomirDlgTestAccess;

    // The clip the engine was last asked to open.
    struct OpenedClip {
        int index = -1;
        std::wstring path;
    };

    // Start-up steps.
    bool CreateLocks();
    void WriteSettingDefaults() const;
    void SetUpEngine();
    void ReadDisplaySettings();
    void CreateOwnedWindows();
    void OpenInitialSource();
    void PrepareProgressBar();
    void RecordPanelSizes();

    // Children.
    void CreateChildWindows();
    void CreateMainButtons();
    void CreateMapWindow();
    void ApplyControlStates(const ControlStates& states);
    ControlStateInputs CurrentControlInputs() const;
    void EnablePanel(fw::Window* panel, BOOL enable) const;
    void EnableFilePanel(bool enable);

    // Layout and painting.
    void Layout(int sizeMode);
    void ApplyWindowSize();
    void SetWindowRegion();
    void ShowControlsForMode(int sizeMode);
    void PlaceMainButtons();
    void LayoutFilePanel();
    bool FilePanelExists() const { return Item(kRecordingListId) != nullptr; }
    int RecordingRows() const;
    RECT VideoRect() const;
    void ResetZoom();
    void ApplyZoom(int repaint);
    void EnterFullScreenLayout();
    void LeaveFullScreenLayout();
    void KeepOnWorkArea();
    bool FarFromClipEnd();
    LRESULT OnLButtonDown(const fw::Message& m);
    LRESULT OnLButtonUp(const fw::Message& m);
    LRESULT OnMouseMove(const fw::Message& m);
    LRESULT OnPaint(const fw::Message& m);
    void PaintPanels(HDC dc);
    LRESULT OnEraseBkgnd(const fw::Message& m);
    LRESULT OnCtlColor(const fw::Message& m);
    LRESULT OnQueryDragIcon(const fw::Message& m);
    LRESULT OnMove(const fw::Message& m);
    LRESULT OnSize(const fw::Message& m);

    // Window buttons, system and source messages.
    LRESULT OnCloseButton(const fw::Message& m);
    LRESULT OnMinimizeButton(const fw::Message& m);
    LRESULT OnSizeButton(const fw::Message& m);
    LRESULT OnSysCommand(const fw::Message& m);
    LRESULT OnSourceLost(const fw::Message& m);
    void CancelLoaders();
    LRESULT OnSetCursor(const fw::Message& m);
    LRESULT OnContextMenu(const fw::Message& m);
    LRESULT OnIgnoredAppMessage(const fw::Message& m);

    // Sources, kind filters and the owned windows.
    LRESULT OnOpenSource(const fw::Message& m);
    LRESULT OnKindFilterButton(const fw::Message& m);
    LRESULT OnShowSettings(const fw::Message& m);
    LRESULT OnShowObd(const fw::Message& m);
    LRESULT OnSettingCheckChanged(const fw::Message& m);
    LRESULT OnInfoToggleChanged(const fw::Message& m);
    LRESULT OnMapPageReady(const fw::Message& m);
    LRESULT OnMapCrashPointClicked(const fw::Message& m);
    LRESULT OnPrevEventMarker(const fw::Message& m);
    void ShowFrameGps(const FrameData& data);
    void PaintMapPicture(HDC dc, int imageId);
    BOOL SeekToEventMarker(int frame, bool next);
    void ClearEventMarkers();
    // Panel set-up when a clip opens, shows its data and closes.
    void PrepareGraphForClip();
    void ShowClipInPanels(const MovieFileRecord& record);
    void ResetPanels();
    bool ClearInfoPanel();
    void RepaintInfoPanel();
    void SetGraphChannel(int channel, bool on);
    std::wstring CurrentFileName();
    LRESULT OnNextEventMarker(const fw::Message& m);

    // Clip selection.
    LRESULT OnFileListItemChanged(const fw::Message& m);
    void AdvanceToNextFolder(HTREEITEM item);
    void BuildClipGroup();
    int ClipCount() const;
    bool IsClipIndex(int index) const { return index >= 0 && index < ClipCount(); }
    MovieFileRecord* CurrentRecord();
    void BeginWaitCursor();
    void EndWaitCursor();
    void EndBusy();
    void ArmOpening();

    // Opening and loading.
    void OnOpenClipTimer();
    void OnWatchdogTimer();
    int OpenCurrentClip();
    void CloseEngineClip();
    bool IsOpenedClipCurrent();
    LRESULT OnClipDataLoaded(const fw::Message& m);
    void OnClipOpened();
    int TakeOverClipData();
    void StartLoader();
    void StartPreloadNextClip();

    // Playback commands and sliders.
    LRESULT OnPlayPause(const fw::Message& m);
    LRESULT OnStop(const fw::Message& m);
    LRESULT OnSpeedUp(const fw::Message& m);
    LRESULT OnSpeedDown(const fw::Message& m);
    LRESULT OnPrevClip(const fw::Message& m);
    LRESULT OnNextClip(const fw::Message& m);
    LRESULT OnToggleZoomMode(const fw::Message& m);
    LRESULT OnToggleAspect(const fw::Message& m);
    LRESULT OnSliderPressed(const fw::Message& m);
    LRESULT OnSliderMoved(const fw::Message& m);
    LRESULT OnSliderReleased(const fw::Message& m);
    LRESULT OnGraphEventMessage(const fw::Message& m);
    void StepSpeed(int32_t faster);
    // A command that needs an open clip away from its end.
    bool ClipCommandAllowed();
    void ShowPlayFace(BOOL playing);

    // The worker jobs. What a job's thread needs of the window is taken on
    // the UI thread before it starts; what it changes there it hands to
    // RunOnUiThread, or leaves in afterJob_ for the job's end.
    struct JoinJob {
        MovieFileRecordList shown;
        int initialGroup = 0;
    };
    struct DeleteJob {
        SourceSnapshot source;
        MovieFileRecordList shown;
        int initialGroup = 0;
        int selectedRow = 0;
        std::wstring openClip;
        bool removableMedium = false;
    };
    LRESULT OnExportCsv(const fw::Message& m);
    LRESULT OnDeleteClips(const fw::Message& m);
    LRESULT OnJoinClips(const fw::Message& m);
    LRESULT OnSnapshot(const fw::Message& m);
    LRESULT OnWorkerDone(const fw::Message& m);
    LRESULT OnWorkerProgress(const fw::Message& m);
    LRESULT OnWorkerCall(const fw::Message& m);
    unsigned ExportCsvThread(const SourceSnapshot& source);
    unsigned JoinClipsThread(const JoinJob& job);
    unsigned DeleteClipsThread(const DeleteJob& job);
    void RunOnUiThread(const std::function<void()>& call);
    void PostProgress(uint32_t done, int32_t total);
    void ReapWorker();
    // Ends a job for good: its end is no longer acted on (the window goes,
    // or its source did).
    void AbandonJob();
    void RewindBeforeJob();
    void CloseClipForJob();
    int SelectedRow() const;
    const MovieFileRecord* SelectedRecord();
    bool SetJoinedFlags(const std::vector<std::wstring>& paths, uint32_t flag);
    void ClearJoinedFlags(const std::vector<std::wstring>& paths) { SetJoinedFlags(paths, 0); }
    void ApplyDeletion(const std::vector<std::wstring>& deleted);
    void SaveSnapshotToChosenFolder();

    // Timers.
    LRESULT OnTimer(const fw::Message& m);
    void OnPlaybackTick();
    void OnIdleTimer();

    // Engine calls are made only while the engine is set up.
    bool EngineReady() const { return engine_.PlayerEngineReady.load() != 0; }
    uint32_t PlayState() const { return engine_.EnginePlayState.load(); }
    bool IsPlaying() const { return EngineReady() && PlayState() == PlayState::kPlaying; }
    void SetNormalSpeed();
    void StartTimer(UINT_PTR id, UINT milliseconds) { seams_.timers->Start(Handle(), id, milliseconds); }
    void StopTimer(UINT_PTR id) { seams_.timers->Stop(Handle(), id); }
    void ShowError(const std::wstring& text) const;
    void WaitForThread(std::unique_ptr<fw::WorkerThread>& thread);

    MainWindowSeams seams_;
    PlayerEngine& engine_;
    PlayerEngineTable engineTable_{};

    HICON icon_ = nullptr;
    CResourceImage skinImages_;
    COffScreenDC offScreen_;
    std::unique_ptr<fw::WorkerThread> preloadThread_;
    std::unique_ptr<fw::WorkerThread> loaderThread_;
    std::unique_ptr<fw::WorkerThread> worker_;
    std::atomic<int> workerRun_{0};
    std::atomic<int> workerFinished_{0};
    // The job got as far as its progress bar (it writes or deletes).
    std::atomic<int> workerStarted_{0};
    // A started job's done message has not been handled yet.
    bool workerDonePending_ = false;
    // Set by the job's thread, run on the UI thread once it has ended.
    std::function<void()> afterJob_;
    int preloadPending_ = 0;
    OpenedClip openedClip_;
    // The row was chosen by the next or previous step: its data are taken
    // over as soon as the player is ready, and it plays.
    int loadAtReady_ = 0;
    bool waitCursor_ = false;
    int clipOpen_ = 0;
    fw::UniqueHandle clipListLock_;     // "hMutexCache": the clip list and clip loading
    fw::UniqueHandle eventMarkerLock_;  // "hMutexCpSet": the event-marker list
    EventMarkerList eventMarkers_;
    int displayCleared_ = 0;
    int eventPointsSent_ = 0;
    int backgroundPainted_ = 0;
    int openAllowed_ = 1;
    int continuePlay_ = 0;
    int noSource_ = 1;
    int busy_ = 0;
    int openPosition_ = 0;
    int volume_ = 65535;
    float zoomScale_ = 1.0f;
    LayoutPoint zoomCentre_;
    LayoutPoint zoomPan_;
    int mapSeen_ = 0;
    // Owns the map window and the connectivity monitor, which starts with it.
    CGoogleMapDlgWrap mapBridge_;
    fw::Dialog* mapWindow_ = nullptr;  // the map window as a dialog; the bridge owns it
    std::unique_ptr<CInfoDlg> infoPanel_;
    std::unique_ptr<CGSensorDlg> graph_;
    std::unique_ptr<fw::Dialog> settingsDialog_;
    std::unique_ptr<CObdDlg> obdWindow_;
    CMovieStatic videoSurface_;
    CSkinSliderCtrl seekSlider_;
    CSkinSliderCtrl volumeSlider_;
    CSkinProgressBarCtrl progressBar_;
    CLapTimeArea lapTimeArea_;
    // The file panel asks the engine, through this window's table, which
    // files are recordings.
    EngineRecorderProbe recorderProbe_;
    CFilerContainer filePanel_;
    int currentClip_ = -1;
    LayoutPoint dragOrigin_;
    int dragging_ = 0;
    int resumeAfterOpen_ = 0;
    uint32_t pressedPlayState_ = 0;  // the play state when the seek slider was pressed
    int pendingSeek_ = -1;
    int sizeMode_ = 0;
    int fullScreen_ = 0;
    int controlsOff_ = 0;
    RECT savedWindowRect_{};
    int keepAspect_ = 0;
    fw::ToolTip toolTip_;
    std::array<CSkinButton, kMainButtonCount> mainButtons_;
    std::array<CSkinButton, kWindowButtonCount> windowButtons_;
    int lastOpenFailed_ = 0;
    int nearEndControlsOff_ = 0;
    int stayOnLastFrame_ = 0;
    int infoPanelWidth_ = 0;
    int infoPanelAndGraphHeight_ = 0;
    int workerKind_ = 0;
    int reopenAtFrame_ = 0;
    int reopenFrame_ = -1;
};
