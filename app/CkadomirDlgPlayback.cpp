// Position and seeking, volume, the speed caption, resuming, pausing and
// stopping, and the play button.

#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "app/core/PlaybackRules.h"
#include "framework/DeviceContext.h"
#include "framework/Format.h"
#include "framework/MutexHold.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/IniFile.h"

// Commands wait while a playing clip is in its last frames, so its end is
// not raced; a paused or stopped clip is never near its end.
BOOL CkadomirDlg::IsNearEnd() {
    const uint32_t state = PlayState();
    if (!EngineReady() || state == PlayState::kStopped || state == PlayState::kPaused) {
        return FALSE;
    }
    const int position = engineTable_.GetCurrentFrame(&engine_);
    const int64_t frameCount = engineTable_.GetFrameCount(&engine_);
    return IsWithinEndMargin(position, frameCount, engine_.EngineSpeedIndex) ? TRUE : FALSE;
}

BOOL CkadomirDlg::SeekToFrame(int frame) {
    const int margin = EngineReady() ? NearEndMargin(engine_.EngineSpeedIndex) : NearEndMargin(1);
    const SeekTargets targets = SeekTargetsFor(frame, seekSlider_.minimum, seekSlider_.maximum, margin);
    if (!EngineReady()) {
        return 1;
    }
    switch (PlayState()) {
    case PlayState::kStopped:
    case PlayState::kPaused:
        engineTable_.JumpToFrame(&engine_, targets.engine);
        ShowFrameData(static_cast<int>(targets.shown));
        break;
    case PlayState::kPlaying:
        engineTable_.Pause(&engine_);
        engineTable_.SeekToFrame(&engine_, targets.engine);
        ShowFrameData(static_cast<int>(targets.shown));
        engineTable_.Play(&engine_);
        break;
    default:
        break;
    }
    return 1;
}

void CkadomirDlg::SetSeekPos(int frame) {
    if (seekSlider_.Handle() != nullptr) {
        seekSlider_.SetPosAndRedraw(frame);
    }
    if (graph_ != nullptr && graph_->Handle() != nullptr) {
        graph_->position = frame;
        graph_->leftMargin = kGraphLeftMargin;
        graph_->positionRange = seekSlider_.Handle() != nullptr ? seekSlider_.maximum - seekSlider_.minimum : 0;
        graph_->tileStep = graph_->BackgroundWidth() - kGraphLeftMargin;
        graph_->Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
}

// The panel's caption of a speed step; none at normal speed and at -1.
std::wstring CkadomirDlg::SpeedCaption(int32_t speedIndex) {
    constexpr std::pair<int32_t, int> kCaptions[] = {{-4, 64}, {-2, 63}, {2, 61}, {4, 62}};
    for (const auto& [index, slot] : kCaptions) {
        if (index == speedIndex) {
            return UiText(slot);
        }
    }
    return {};
}

BOOL CkadomirDlg::ShowSpeedText() {
    if (infoPanel_ != nullptr) {
        infoPanel_->speedText = EngineReady() ? SpeedCaption(engine_.EngineSpeedIndex) : std::wstring();
    }
    const uint32_t state = PlayState();
    if (!EngineReady() || state == PlayState::kNone || state > PlayState::kPaused) {
        return TRUE;
    }
    // Clears any text left over the video.
    return engineTable_.DrawOverlayText(&engine_, L"") ? TRUE : FALSE;
}

void CkadomirDlg::SetVolume(int volume) {
    volume_ = volume;
    WriteIniString(kDisplaySection, kVolumeKey, fw::Format(L"%d", volume));
    if (EngineReady()) {
        engineTable_.SetVolume(&engine_, static_cast<uint32_t>(volume));
    }
    if (volumeSlider_.Handle() != nullptr) {
        volumeSlider_.SetPosAndRedraw(volume);
    }
}

void CkadomirDlg::SetPlayButtonState(BOOL playing) {
    ShowPlayFace(playing);
    UpdateControlStates();
}

BOOL CkadomirDlg::Resume() {
    const uint32_t state = PlayState();
    if (!EngineReady() || (state != PlayState::kStopped && state != PlayState::kPaused)) {
        return 0;
    }
    const BOOL played = engineTable_.Play(&engine_);
    mapBridge_.SetMapStatus(kMapStatusPlaying);
    return played;
}

BOOL CkadomirDlg::StopPlayback() {
    const uint32_t state = PlayState();
    if (!EngineReady() || (state != PlayState::kPlaying && state != PlayState::kPaused)) {
        return 0;
    }
    {
        // No loader copies a clip's path while the player stops.
        const fw::MutexHold hold(clipListLock_.Get());
        seekSlider_.enabled = 1;
        const BOOL stopped = engineTable_.Stop(&engine_);
        if (!stayOnLastFrame_) {
            SetPlayButtonState(!stopped);
        }
    }
    mapBridge_.SetMapStatus(kMapStatusStopped);
    return 1;
}

BOOL CkadomirDlg::PausePlayback() {
    if (!IsPlaying()) {
        return 0;
    }
    seekSlider_.enabled = 1;
    const BOOL paused = engineTable_.Pause(&engine_);
    SetPlayButtonState(!paused);
    mapBridge_.SetMapStatus(kMapStatusPaused);
    return paused;
}

// Brings the video surface up to date: the engine redraws its frame, and
// without a clip the surface is black.
void CkadomirDlg::RefreshVideo() {
    const uint32_t state = PlayState();
    if (EngineReady() && state != PlayState::kNone) {
        const int32_t speed = engine_.EngineSpeedIndex;
        if (state == PlayState::kStopped) {
            engineTable_.Play(&engine_);
            engineTable_.Pause(&engine_);
        } else if (state == PlayState::kPlaying && (speed == -4 || speed == -2)) {
            engineTable_.Pause(&engine_);
            engineTable_.RepaintVideo(&engine_);
            engineTable_.Play(&engine_);
        } else if (state == PlayState::kPaused) {
            engineTable_.RepaintVideo(&engine_);
        }
        return;
    }
    const RECT video = videoSurface_.ClientRect();
    if (video.right <= 0) {
        return;
    }
    const fw::WindowDC dc(videoSurface_.Handle());
    FillRect(dc.Get(), &video, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
}
