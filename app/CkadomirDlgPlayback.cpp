// Position, volume, the speed caption, stopping and the play button.

#include "app/CkadomirDlg.h"
#include "app/MainButtons.h"
#include "app/MainWindowIds.h"
#include "framework/DeviceContext.h"
#include "framework/Format.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/IniFile.h"

namespace {

// The guard of "hMutexCache" on the UI thread.
class LockHold {
public:
    explicit LockHold(HANDLE lock) : lock_(lock) {
        if (lock_ != nullptr && WaitForSingleObject(lock_, INFINITE) == WAIT_FAILED) {
            lock_ = nullptr;
        }
    }
    ~LockHold() {
        if (lock_ != nullptr) {
            ReleaseMutex(lock_);
        }
    }
    LockHold(const LockHold&) = delete;
    LockHold& operator=(const LockHold&) = delete;

private:
    HANDLE lock_;
};

}  // namespace

BOOL CkadomirDlg::ShowFrameData(int frame) {
    if (frame >= seekSlider_.maximum) {
        frame = seekSlider_.maximum - 1;
    }
    if (frame < seekSlider_.minimum) {
        frame = seekSlider_.minimum;
    }
    pendingSeek_ = frame;
    SetSeekPos(frame);
    return TRUE;
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

BOOL CkadomirDlg::ShowSpeedText() {
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
    if (!fullScreen_) {
        const SkinButtonSpec& face = playing ? kPauseFace : kPlayFace;
        CSkinButton& button = mainButtons_[kButtonPlay];
        if (button.Handle() != nullptr) {
            toolTip_.UpdateTipText(button.Handle(), UiText(face.tooltipSlot));
            button.ChangeBitmap(face.bitmap);
            button.Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
        }
    }
    UpdateControlStates();
}

BOOL CkadomirDlg::StopPlayback() {
    const uint32_t state = PlayState();
    if (!EngineReady() || (state != PlayState::kPlaying && state != PlayState::kPaused)) {
        return 0;
    }
    {
        // No loader copies a clip's path while the player stops.
        const LockHold hold(clipListLock_.Get());
        seekSlider_.enabled = 1;
        const BOOL stopped = engineTable_.Stop(&engine_);
        if (!stayOnLastFrame_) {
            SetPlayButtonState(!stopped);
        }
    }
    return 1;
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
