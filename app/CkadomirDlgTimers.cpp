// What each of the main window's timers does: the playback tick (100), the
// deferred opening of a chosen clip (101), its watchdog (102) and the
// application's idle work (103).

#include "app/CkadomirDlg.h"
#include "app/MainWindowIds.h"
#include "app/core/PlaybackRules.h"
#include "framework/Application.h"

LRESULT CkadomirDlg::OnTimer(const fw::Message& m) {
    switch (m.wParam) {
    case kTimerPlaybackTick:
        OnPlaybackTick();
        break;
    case kTimerOpenClip:
        OnOpenClipTimer();
        break;
    case kTimerOpenWatchdog:
        OnWatchdogTimer();
        break;
    case kTimerIdle:
        OnIdleTimer();
        break;
    default:
        break;
    }
    return Default(m);
}

// Follows the engine's position: the controls go off near the clip's end,
// and the record under the position is shown unless a seek has not reached
// its target yet.
void CkadomirDlg::OnPlaybackTick() {
    if (!EngineReady()) {
        SyncMap();
        return;
    }
    const uint32_t state = PlayState();
    if (state == PlayState::kStopped || state == PlayState::kPaused) {
        return;
    }
    if (state == PlayState::kPlaying || state == PlayState::kNone) {
        // One reading of position and length serves the whole tick: each
        // read of the position costs the engine a short wait.
        const int position = engineTable_.GetCurrentFrame(&engine_);
        const int64_t frameCount = engineTable_.GetFrameCount(&engine_);
        if (state == PlayState::kPlaying) {
            const bool nearEnd = IsWithinEndMargin(position, frameCount, engine_.EngineSpeedIndex);
            if (nearEnd && !nearEndControlsOff_) {
                DisableControls();
                nearEndControlsOff_ = 1;
            } else if (!nearEnd && nearEndControlsOff_) {
                UpdateControlStates();
                nearEndControlsOff_ = 0;
            }
        }
        if (TickShowsPosition(position, pendingSeek_, frameCount)) {
            ShowFrameData(position);
            pendingSeek_ = -1;
        }
    }
    SyncMap();
}

// The modal loop never goes idle the way the application's own loop does,
// so the application's idle work is run from here once a second.
void CkadomirDlg::OnIdleTimer() {
    if (fw::Application* application = fw::Application::Current()) {
        application->OnIdle(1);
    }
}
