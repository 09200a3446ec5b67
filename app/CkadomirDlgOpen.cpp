// Opening a clip and loading its data. Opening hands the file to the
// engine, which reports through the video surface when its first frame is
// ready; the clip's data are then parsed on a loader thread and handed to
// the engine here, and the next clip of the list is parsed ahead.

#include <string>

#include "ClipDataPreload.h"
#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "app/MainWindowMessages.h"
#include "app/core/PlaybackRules.h"
#include "app/core/RecordingKinds.h"
#include "ui/core/UiTextTable.h"

namespace {

constexpr int kSlotOpenFailed = 99;
// Gives the player a moment with the freshly opened file before the parse
// reads it too.
constexpr DWORD kLoaderDelayMs = 80;
constexpr wchar_t kPopupMenuClass[] = L"#32768";
constexpr char kHighQualityLetter = 'H';

}  // namespace

// Timer 101.
void CkadomirDlg::OnOpenClipTimer() {
    StopTimer(kTimerOpenClip);
    if (!openAllowed_) {
        return;
    }
    openAllowed_ = 0;
    if (!OpenCurrentClip()) {
        EndBusy();
        continuePlay_ = 0;
        EnableControls();
        openAllowed_ = 1;
        if (videoSurface_.zoomMode) {
            SetZoomMode(0);
        }
    }
    nearEndControlsOff_ = 0;
}

// Timer 102: the player never reported the clip ready. The window is
// handed back to the user without a clip.
void CkadomirDlg::OnWatchdogTimer() {
    EndBusy();
    continuePlay_ = 0;
    EnableControls();
    openAllowed_ = 1;
}

void CkadomirDlg::CloseEngineClip() {
    ClearEventMarkers();
    if (!EngineReady()) {
        return;
    }
    engineTable_.UnloadClipData(&engine_);
    engine_.clipDataLoaded = 0;
    engineTable_.CloseMovie(&engine_);
    engine_.clipDataLoaded = 0;
}

int CkadomirDlg::OpenCurrentClip() {
    clipOpen_ = 0;
    StopTimer(kTimerPlaybackTick);
    mapBridge_.SetPositionNumber(openPosition_);
    if (mapBridge_.MapShown()) {
        openPosition_ = -1;
    }
    pendingSeek_ = -1;
    eventPointsSent_ = 0;
    if (GetCapture() == seekSlider_.Handle()) {
        ReleaseCapture();
    }
    CloseEngineClip();
    openedClip_ = {};
    if (graph_ != nullptr && graph_->Handle() != nullptr) {
        graph_->Redraw();
    }
    DisableControls();
    const MovieFileRecord* record = CurrentRecord();
    if (record == nullptr) {
        return 0;
    }
    lastOpenFailed_ = 0;
    const std::wstring path(record->FullPath());
    if (EngineReady() && engineTable_.OpenMovie(&engine_, path.c_str())) {
        // A context menu left open would act on the clip that just went.
        if (const HWND menu = FindWindowW(kPopupMenuClass, nullptr); menu != nullptr && IsWindowVisible(menu)) {
            PostMessageW(menu, WM_KEYDOWN, VK_ESCAPE, 0);
        }
        busy_ = 1;
        openedClip_ = {currentClip_, path};
        PrepareGraphForClip();
        return 1;
    }
    ShowError(UiText(kSlotOpenFailed));
    mapBridge_.SetGpsSeen(false);
    DrawMapArea();
    filePanel_.SetSelectionOrigin(kOriginUser);
    lastOpenFailed_ = 1;
    return 0;
}

// Whether the clip the engine opened is still the one the list points at;
// the user may have chosen another row while it opened.
bool CkadomirDlg::IsOpenedClipCurrent() {
    const MovieFileRecord* record = CurrentRecord();
    return record != nullptr && openedClip_.index == currentClip_ && openedClip_.path == record->FullPath();
}

// The player has the clip's first frame.
void CkadomirDlg::OnLoadClipData(WPARAM, LPARAM) {
    StopTimer(kTimerOpenClip);
    openAllowed_ = 1;
    if (currentClip_ < 0) {
        return;
    }
    if (!IsOpenedClipCurrent()) {
        // Another row was chosen meanwhile: open that one instead of
        // loading its data over this video.
        ArmOpening();
        return;
    }
    ShowSpeedText();
    ApplyZoom(1);
    if (loadAtReady_) {
        // The next clip's data were parsed ahead: they are taken over now,
        // and it plays on.
        loadAtReady_ = 0;
        resumeAfterOpen_ = 1;
        OnClipDataLoaded({Handle(), WM_APP_CLIP_DATA_LOADED, 0, 1});
        return;
    }
    StartLoader();
}

void CkadomirDlg::StartLoader() {
    WaitForThread(loaderThread_);
    const MovieFileRecord* record = CurrentRecord();
    if (record == nullptr) {
        return;
    }
    const std::wstring path(record->FullPath());
    const HWND window = Handle();
    PlayerEngine* engine = &engine_;
    loaderThread_ = std::make_unique<fw::WorkerThread>([window, engine, path] {
        Sleep(kLoaderDelayMs);
        const int32_t parsed = PreloadClipData(*engine, path.c_str());
        PostMessageW(window, WM_APP_CLIP_DATA_LOADED, 0, parsed);
        return 0u;
    });
    // Without a loader no data arrive: the watchdog then frees the window.
    if (!loaderThread_->Created() || !loaderThread_->Resume()) {
        loaderThread_.reset();
    }
}

void CkadomirDlg::StartPreloadNextClip() {
    WaitForThread(preloadThread_);
    const int next = currentClip_ + 1;
    if (!IsClipIndex(currentClip_) || !IsClipIndex(next)) {
        return;
    }
    const std::wstring path(filePanel_.List().shownRecords[static_cast<size_t>(next)].FullPath());
    PlayerEngine* engine = &engine_;
    preloadThread_ = std::make_unique<fw::WorkerThread>([engine, path] {
        PreloadClipData(*engine, path.c_str());
        return 0u;
    });
    if (!preloadThread_->Created() || !preloadThread_->Resume()) {
        preloadThread_.reset();
    }
}

LRESULT CkadomirDlg::OnClipDataLoaded(const fw::Message& m) {
    // Data parsed for a clip the user has since left are not this clip's.
    if (clipOpen_ || !IsOpenedClipCurrent()) {
        return 0;
    }
    clipOpen_ = 1;
    if (busy_) {
        EndBusy();
    }
    UpdateControlStates();
    const MovieFileRecord* record = CurrentRecord();
    const std::wstring path = record != nullptr ? std::wstring(record->FullPath()) : std::wstring();
    if (record == nullptr || !EngineReady() || !engineTable_.LoadClipData(&engine_, path.c_str())) {
        return 0;
    }
    engine_.clipDataLoaded = 1;
    engineTable_.SetVolume(&engine_, static_cast<uint32_t>(volume_));
    engineTable_.SetSpeed(&engine_, engine_.EngineSpeedIndex);
    if (resumeAfterOpen_ || continuePlay_) {
        (resumeAfterOpen_ ? resumeAfterOpen_ : continuePlay_) = 0;
        // The button and the controls show the clip playing.
        SetPlayButtonState(Resume());
    } else {
        ShowPlayFace(FALSE);
        UpdateControlStates();
    }
    displayCleared_ = 0;
    OnClipOpened();
    if (!engine_.HasMediaFoundationPlayer()) {
        engineTable_.RepaintVideo(&engine_);
    }
    if (m.lParam != 0) {
        preloadPending_ = 0;
        StartPreloadNextClip();
    }
    if (reopenAtFrame_) {
        reopenAtFrame_ = 0;
        engineTable_.SeekToFrame(&engine_, reopenFrame_);
        ShowFrameData(reopenFrame_);
        if (reopenFrame_ != 0) {
            engineTable_.Pause(&engine_);
            UpdateControlStates();
        }
    }
    return 0;
}

// The set-up of a clip whose data have arrived.
void CkadomirDlg::OnClipOpened() {
    MovieFileRecord* record = CurrentRecord();
    if (record == nullptr) {
        return;
    }
    int32_t width = 0;
    int32_t height = 0;
    if (EngineReady() && engineTable_.GetVideoSize(&engine_, &width, &height)) {
        const EngineLockGuard hold(engine_.fileLock);
        const bool highQuality = engine_.LoadedClipReader.Cs().ResolutionLetter() == kHighQualityLetter;
        record->resolutionClass = ResolutionClass(height, highQuality);
    } else {
        record->resolutionClass = 0;
    }
    // The shown records are replaced: no marker may point into the old ones.
    ClearEventMarkers();
    TakeOverClipData();
    seekSlider_.minimum = 0;
    seekSlider_.maximum = EngineReady() ? static_cast<int>(engineTable_.GetFrameCount(&engine_)) : 0;
    SendCrashPositions(currentClip_);
    ShowSpeedText();
    SetVolume(volume_);
    ShowFrameData(0);
    pendingSeek_ = -1;
    StartTimer(kTimerPlaybackTick, kPlaybackTickMs);
    seekSlider_.enabled = 1;
}

// The loaded records become the shown ones. 1 when they came over.
int CkadomirDlg::TakeOverClipData() {
    const EngineLockGuard hold(engine_.fileLock);
    seekSlider_.SetPosAndRedraw(0);
    bool taken = false;
    if (EngineReady()) {
        engine_.ShownClipReader.ClearRecords();
        engine_.ShownClipReader.TakeRecordsFrom(engine_.LoadedClipReader);
        taken = engine_.ShownClipReader.Records() != nullptr;
    }
    MovieFileRecord* record = CurrentRecord();
    if (!taken || record == nullptr) {
        mapBridge_.SetGpsSeen(false);
        DrawMapArea();
        return 0;
    }
    const ClipRecords& records = *engine_.ShownClipReader.Records();
    if (!records.gps.empty()) {
        record->startTime = records.gps.front().fixTime;
    }
    const float duration = engineTable_.GetFrameDuration(&engine_);
    if (duration > 0.0f) {
        record->frameRate = 1000.0f / duration;
    }
    ShowClipInPanels(*record);
    return 1;
}

// The recorder's event recordings mark their axes on the graph; the
// others only their events.
void CkadomirDlg::PrepareGraphForClip() {
    if (graph_ != nullptr) {
        graph_->clipOpen = 1;
        graph_->eventClip = IsEventRecording(CurrentFileName()) ? 1 : 0;
    }
}

// Called with the shown records in hand.
void CkadomirDlg::ShowClipInPanels(const MovieFileRecord& record) {
    const ClipRecords& records = *engine_.ShownClipReader.Records();
    if (graph_ != nullptr) {
        for (int axis = 0; axis < kCsNumberCount - 1; ++axis) {
            if (records.cs.numbers[axis] > 0.0f) {
                graph_->channels[axis].scale = records.cs.numbers[axis];
            }
        }
        graph_->SetBackgroundVariant(BackgroundVariantFor(records.largestAbsG));
    }
    if (infoPanel_ != nullptr) {
        infoPanel_->qualityCode = record.resolutionClass;
        infoPanel_->startTime = record.startTime;
        infoPanel_->dateTimeFlag = 1;
        infoPanel_->frameDuration = EngineReady() ? engineTable_.GetFrameDuration(&engine_) : 0.0f;
        infoPanel_->totalFrames = EngineReady() ? static_cast<int>(engineTable_.GetTotalFrames(&engine_)) : 0;
    }
}
