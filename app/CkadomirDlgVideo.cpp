// What the video surface hands on: its context menu, a click in the zoom
// mode, the filter graph's events, and the question whether a double click
// may enter full screen.

#include <evcode.h>

#include "app/CMovieMenu.h"
#include "app/CkadomirDlg.h"
#include "app/core/PlaybackRules.h"

void CkadomirDlg::OnVideoContextMenu(POINT screen, HWND) {
    if (IsNearEnd() || busy_) {
        return;
    }
    VideoMenuState state;
    state.engineReady = EngineReady();
    state.playState = PlayState();
    state.speedIndex = engine_.EngineSpeedIndex;
    state.keepAspect = engine_.keepAspect;
    state.fullScreen = fullScreen_ != 0;
    state.sizeMode = sizeMode_;
    CMovieMenu menu;
    if (menu.BuildForState(state)) {
        // The chosen item arrives as this window's command.
        menu.Track(TPM_LEFTALIGN | TPM_LEFTBUTTON, screen, Handle());
    }
}

// One zoom step about the clicked point; it acts only in the zoom mode.
void CkadomirDlg::OnZoomAtPoint(UINT, POINT client) {
    if (!videoSurface_.zoomMode) {
        return;
    }
    const VideoZoomState now{zoomScale_, zoomCentre_, zoomPan_};
    const ZoomRect placed = engine_.placedVideoRect;
    const VideoZoomState next = ZoomAtPoint(now, {client.x, client.y}, videoSurface_.ClientRect().right,
                                            placed.right, placed.top, sizeMode_);
    zoomScale_ = next.scale;
    zoomCentre_ = next.centre;
    zoomPan_ = next.pan;
    ApplyZoom(1);
}

// Only the DirectShow back-end queues graph events; the queue is drained
// whole, since one notification may stand for several events.
void CkadomirDlg::OnGraphEvent(WPARAM, LPARAM) {
    if (!EngineReady()) {
        return;
    }
    int32_t code = 0;
    while (engine_.EnginePlaybackBackend && engine_.EnginePlaybackBackend->TakeGraphEvent(code) && code >= 0) {
        if (code == EC_COMPLETE) {
            // A completion drained after the user chose another row belongs
            // to the clip left behind.
            if (clipOpen_) {
                NextClip();
            }
        } else if (code == EC_FULLSCREEN_LOST) {
            ToggleFullScreen(MayEnterFullScreen() ? 1 : 0);
        }
    }
}

LRESULT CkadomirDlg::OnGraphEventMessage(const fw::Message& m) {
    OnGraphEvent(m.wParam, m.lParam);
    return 0;
}

bool CkadomirDlg::MayEnterFullScreen() const { return !controlsOff_ && RecordingRows() > 0 && clipOpen_; }
