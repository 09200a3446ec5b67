// The playback commands of the buttons and the context menu, and the seek
// and volume sliders.

#include "PlaybackSpeed.h"
#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "framework/MutexHold.h"
#include "ui/shared/IniFile.h"

namespace {

// The player needs a moment at normal speed before it pauses cleanly.
constexpr DWORD kSpeedSettleMs = 100;
constexpr wchar_t kOn[] = L"on";
constexpr wchar_t kOff[] = L"off";

}  // namespace

bool CkadomirDlg::ClipCommandAllowed() {
    return EngineReady() && PlayState() != PlayState::kNone && !IsNearEnd();
}

LRESULT CkadomirDlg::OnPlayPause(const fw::Message&) {
    mapSeen_ = 1;
    if (!EngineReady() || PlayState() == PlayState::kNone) {
        return 0;
    }
    if (IsPlaying()) {
        if (IsNearEnd()) {
            return 0;
        }
        if (engine_.EngineSpeedIndex != 1) {
            engineTable_.SetSpeed(&engine_, 1);
            Sleep(kSpeedSettleMs);
        }
        const BOOL paused = PausePlayback();
        ShowSpeedText();
        if (!fullScreen_ && infoPanel_ != nullptr && infoPanel_->Handle() != nullptr) {
            infoPanel_->Redraw();
        }
        SetPlayButtonState(paused == 0);
        // The paused picture is sought again so that it matches the position.
        engineTable_.SeekToFrame(&engine_, engineTable_.GetCurrentFrame(&engine_));
        return 0;
    }
    engineTable_.SetVolume(&engine_, static_cast<uint32_t>(volume_));
    const BOOL resumed = Resume();
    if (!resumed) {
        // The player cannot start yet: the clip plays once its data are in.
        resumeAfterOpen_ = 1;
    }
    ShowSpeedText();
    SetPlayButtonState(resumed);
    return 0;
}

LRESULT CkadomirDlg::OnStop(const fw::Message&) {
    // While a job runs the button stops the job, and only that.
    if (WorkerRunning()) {
        EndWorker();
        return 0;
    }
    if (!ClipCommandAllowed()) {
        return 0;
    }
    SetNormalSpeed();
    engineTable_.SetVolume(&engine_, static_cast<uint32_t>(volume_));
    ShowSpeedText();
    engineTable_.JumpToFrame(&engine_, 0);
    ShowFrameData(0);
    mapBridge_.SetMapStatus(kMapStatusStopped);
    StopPlayback();
    UpdateControlStates();
    return 0;
}

void CkadomirDlg::StepSpeed(int32_t faster) {
    if (!ClipCommandAllowed()) {
        return;
    }
    const int32_t next = NextPlaybackSpeed(engine_, faster);
    if (next == engine_.EngineSpeedIndex) {
        return;
    }
    engineTable_.SetSpeed(&engine_, next);
    UpdateControlStates();
    ShowSpeedText();
}

LRESULT CkadomirDlg::OnSpeedUp(const fw::Message&) {
    StepSpeed(1);
    return 0;
}

LRESULT CkadomirDlg::OnSpeedDown(const fw::Message&) {
    StepSpeed(0);
    return 0;
}

LRESULT CkadomirDlg::OnPrevClip(const fw::Message&) {
    if (!ClipCommandAllowed()) {
        return 0;
    }
    engineTable_.Pause(&engine_);
    StopPlayback();
    const fw::MutexHold hold(clipListLock_.Get());
    if (currentClip_ == 0) {
        // There is nothing before the first clip: it starts over.
        SetNormalSpeed();
        StopPlayback();
        engineTable_.JumpToFrame(&engine_, 0);
        RefreshVideo();
        ShowFrameData(0);
        return 0;
    }
    if (!IsClipIndex(currentClip_)) {
        return 0;
    }
    --currentClip_;
    seekSlider_.enabled = 0;
    if (seekSlider_.pressed) {
        ReleaseCapture();
        seekSlider_.pressed = 0;
    }
    filePanel_.SelectRow(currentClip_, kOriginPreviousClip);
    SetSeekPos(0);
    SelectClip(TRUE);
    loadAtReady_ = 1;
    return 0;
}

LRESULT CkadomirDlg::OnNextClip(const fw::Message&) {
    if (!ClipCommandAllowed()) {
        return 0;
    }
    engineTable_.Pause(&engine_);
    StopPlayback();
    NextClip();
    return 0;
}

LRESULT CkadomirDlg::OnToggleZoomMode(const fw::Message&) {
    if (!ClipCommandAllowed()) {
        return 0;
    }
    const int on = videoSurface_.zoomMode ? 0 : 1;
    SetZoomMode(on);
    mainButtons_[kButtonZoom].latched = on;
    return 0;
}

// Switches between the letter-boxed and the stretched full screen.
LRESULT CkadomirDlg::OnToggleAspect(const fw::Message&) {
    if (!EngineReady() || PlayState() == PlayState::kNone) {
        return 0;
    }
    if (engine_.keepAspect == 1) {
        keepAspect_ = 0;
        engineTable_.SetKeepAspect(&engine_, 0);
        WriteIniString(kDisplaySection, kAspectKey, kOff);
    } else if (engine_.keepAspect == 0) {
        keepAspect_ = 1;
        engineTable_.SetKeepAspect(&engine_, 1);
        ApplyZoom(0);
        WriteIniString(kDisplaySection, kAspectKey, kOn);
    }
    ShowSpeedText();
    return 0;
}

// A press beside the seek slider's thumb seeks at once; a press on it
// drags, and the picture follows on release.
LRESULT CkadomirDlg::OnSliderPressed(const fw::Message& m) {
    if (busy_ || m.wParam != kSeekSliderId || !EngineReady() || PlayState() == PlayState::kNone) {
        return 0;
    }
    pressedPlayState_ = PlayState();
    if (pressedPlayState_ != PlayState::kPaused) {
        engineTable_.Pause(&engine_);
    }
    if (seekSlider_.offThumb) {
        SeekToFrame(static_cast<int>(m.lParam));
        if (pressedPlayState_ == PlayState::kPlaying) {
            engineTable_.Play(&engine_);
        }
    }
    return 0;
}

LRESULT CkadomirDlg::OnSliderMoved(const fw::Message& m) {
    if (busy_) {
        return 0;
    }
    if (m.wParam == kVolumeSliderId) {
        SetVolume(static_cast<int>(m.lParam));
    } else if (m.wParam == kSeekSliderId && EngineReady() && PlayState() != PlayState::kNone &&
               !seekSlider_.offThumb) {
        ShowFrameData(static_cast<int>(m.lParam));
    }
    return 0;
}

LRESULT CkadomirDlg::OnSliderReleased(const fw::Message& m) {
    if (busy_) {
        return 0;
    }
    if (m.wParam == kVolumeSliderId) {
        SetVolume(static_cast<int>(m.lParam));
        return 0;
    }
    if (m.wParam != kSeekSliderId || !EngineReady() || PlayState() == PlayState::kNone || seekSlider_.offThumb) {
        return 0;
    }
    SeekToFrame(static_cast<int>(m.lParam));
    if (pressedPlayState_ == PlayState::kPlaying) {
        engineTable_.Play(&engine_);
    }
    return 0;
}
