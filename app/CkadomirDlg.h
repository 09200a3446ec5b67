#pragma once

#include <windows.h>

#include <array>
#include <atomic>
#include <functional>
#include <memory>
#include <string>

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
// A job of the one worker (CSV export, delete, join); it gets the main
// window and returns 0.
using WorkerProcedure = std::function<unsigned(CkadomirDlg&)>;

// The main window: a borderless 1120 x 700 dialog whose life is the
// program's. Its work is spread over files by concern:
//   CkadomirDlgStartup.cpp   construction and start-up
//   CkadomirDlgTeardown.cpp  teardown and the ways to close
//   CkadomirDlgMessages.cpp  the message map and command routing
//   CkadomirDlgTimers.cpp    what each timer does
//   CkadomirDlgChildren.cpp  the child windows and buttons
//   CkadomirDlgControls.cpp  which controls are enabled when
//   CkadomirDlgLayout.cpp    layouts and painting
//   CkadomirDlgWindowModes.cpp  size modes, full screen and the zoom mode
//   CkadomirDlgDrag.cpp      dragging the window by its title band
//   CkadomirDlgSourceLost.cpp  a source that disappears
//   CkadomirDlgPlayback.cpp  position, volume and the play button
//   CkadomirDlgClip.cpp      closing a clip, the file panel and its folders
//   CkadomirDlgWorker.cpp    the worker job and its controls
class CkadomirDlg : public fw::Dialog, public FolderSelectionHandler {
public:
    explicit CkadomirDlg(MainWindowSeams seams = ProductSeams());
    ~CkadomirDlg() override;

    // The folder tree's selection moved: the folder's recordings are listed.
    void OnFolderSelChanged(const NMTREEVIEWW& notification) override;

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
    // toggle 1 enters or leaves full screen; 0 only leaves it, or puts a
    // window that is not in full screen back into its size mode.
    void ToggleFullScreen(int toggle);
    void LayoutFullScreen();
    void SetZoomMode(int on);
    BOOL ShowFrameData(int frame);
    void SetSeekPos(int frame);
    BOOL ShowSpeedText();
    void SetVolume(int volume);
    void SetPlayButtonState(BOOL playing);
    BOOL StopPlayback();
    void RefreshVideo();

    void CloseClip();
    void CloseAndClear();

    void StartWorker(WorkerProcedure procedure);
    void EndWorker();
    void EnableAllControls(BOOL enable);
    bool WorkerRunning() const { return workerRun_.load() != 0; }

    const PlayerEngineTable& EngineTable() const { return engineTable_; }

protected:
    BOOL OnInitDialog() override;
    // Enter and Esc never close the main window.
    void OnOK() override {}
    void OnCancel() override {}
    const fw::MessageMap& GetMessageMap() const override;

private:
    friend class CkadomirDlgTestAccess;

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
    void PlaceSubWindows();
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
    LRESULT OnSizeButton(const fw::Message& m);
    LRESULT OnLButtonDown(const fw::Message& m);
    LRESULT OnLButtonUp(const fw::Message& m);
    LRESULT OnMouseMove(const fw::Message& m);
    LRESULT OnPaint(const fw::Message& m);
    void PaintPanels(HDC dc);
    LRESULT OnEraseBkgnd(const fw::Message& m);
    LRESULT OnCtlColor(const fw::Message& m);
    LRESULT OnQueryDragIcon(const fw::Message& m);
    LRESULT OnMove(const fw::Message& m);

    // Commands and system messages.
    LRESULT OnCloseButton(const fw::Message& m);
    LRESULT OnMinimizeButton(const fw::Message& m);
    LRESULT OnSysCommand(const fw::Message& m);
    LRESULT OnSourceLost(const fw::Message& m);
    void CancelLoaders();
    LRESULT OnTimer(const fw::Message& m);
    void OnIdleTimer();

    // Engine calls are made only while the engine is set up.
    bool EngineReady() const { return engine_.PlayerEngineReady.load() != 0; }
    uint32_t PlayState() const { return engine_.EnginePlayState.load(); }
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
    int preloadPending_ = 0;
    int clipOpen_ = 0;
    fw::UniqueHandle clipListLock_;     // "hMutexCache": the clip list and clip loading
    fw::UniqueHandle eventMarkerLock_;  // "hMutexCpSet": the event-marker list
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
    std::wstring exportFolder_;
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
