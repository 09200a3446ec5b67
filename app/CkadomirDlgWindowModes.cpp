// The three size modes, full screen and the zoom mode. The window keeps its
// 1120 x 700 in every size mode; full screen puts the video surface over the
// whole screen and the window's own controls away.

#include "VideoZoom.h"
#include "app/CkadomirDlg.h"
#include "app/LayoutRects.h"

namespace {

// Full screen is not entered for the last frames of a clip, whose end would
// take it straight back.
constexpr int64_t kFullScreenEndMargin = 10;

// Keeps a screen update lock for as long as it lives.
class UpdateLock {
public:
    explicit UpdateLock(HWND window) { LockWindowUpdate(window); }
    ~UpdateLock() { LockWindowUpdate(nullptr); }
    UpdateLock(const UpdateLock&) = delete;
    UpdateLock& operator=(const UpdateLock&) = delete;
};

void SetTopMost(const fw::Window& window, bool topMost) {
    window.SetPos(topMost ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

}  // namespace

void CkadomirDlg::LayoutMedium() { Layout(1); }

void CkadomirDlg::LayoutLarge() { Layout(2); }

LRESULT CkadomirDlg::OnSizeButton(const fw::Message&) {
    SwitchSizeMode();
    return 0;
}

void CkadomirDlg::SwitchSizeMode() {
    {
        const UpdateLock lock(Handle());
        Layout((sizeMode_ + 1) % kSizeModes);
    }
    ResetZoom();
    ApplyZoom(0);
    KeepOnWorkArea();
}

// A window dragged partly off the screen comes back whole.
void CkadomirDlg::KeepOnWorkArea() {
    RECT work{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    const LayoutRect kept = ::KeepOnWorkArea(ToPlainRect(WindowRect()), ToPlainRect(work));
    Move(ToRect(kept), true);
}

void CkadomirDlg::ApplyZoom(int repaint) {
    if (EngineReady()) {
        engineTable_.SetVideoZoom(&engine_, zoomCentre_.x, zoomCentre_.y, zoomPan_.x, zoomPan_.y, zoomScale_, repaint);
    }
}

bool CkadomirDlg::FarFromClipEnd() {
    const int64_t position = EngineReady() ? engineTable_.GetCurrentFrame(&engine_) : 0;
    const int64_t frames = EngineReady() ? engineTable_.GetFrameCount(&engine_) : 0;
    return position + kFullScreenEndMargin < frames;
}

void CkadomirDlg::ToggleFullScreen(int toggle) {
    if (!fullScreen_ && !FarFromClipEnd()) {
        return;
    }
    bool leftWithoutClip = false;
    if (toggle) {
        fullScreen_ = !fullScreen_;
        videoSurface_.fullScreen = fullScreen_;
        LayoutFullScreen();
    } else if (fullScreen_ && !clipOpen_) {
        fullScreen_ = 0;
        videoSurface_.fullScreen = 0;
        LayoutFullScreen();
        leftWithoutClip = true;
    } else if (fullScreen_ || !clipOpen_) {
        return;
    }
    if (fullScreen_) {
        return;
    }
    {
        const UpdateLock lock(Handle());
        ApplyWindowSize();
        ResetZoom();
        ApplyZoom(0);
        if (!leftWithoutClip) {
            SetPlayButtonState(EngineReady() && PlayState() == PlayState::kPlaying);
        }
    }
    PlaceSubWindows();
}

void CkadomirDlg::LayoutFullScreen() {
    if (fullScreen_) {
        EnterFullScreenLayout();
    } else {
        LeaveFullScreenLayout();
    }
}

void CkadomirDlg::EnterFullScreenLayout() {
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    for (const fw::Window* window : std::initializer_list<const fw::Window*>{graph_.get(), &seekSlider_, &volumeSlider_,
                                                                            infoPanel_.get()}) {
        ShowIf(window, false);
    }
    for (const CSkinButton& button : mainButtons_) {
        ShowIf(&button, false);
    }
    for (const CSkinButton& button : windowButtons_) {
        ShowIf(&button, false);
    }
    filePanel_.EnableControls(false);
    filePanel_.ShowControls(false);
    SetWindowRgn(Handle(), nullptr, FALSE);
    const HWND video = videoSurface_.Handle();
    SetWindowLongPtrW(video, GWL_EXSTYLE, GetWindowLongPtrW(video, GWL_EXSTYLE) & ~WS_EX_CLIENTEDGE);
    // The map goes through the bridge, which must know it is hidden to
    // show it again afterwards.
    DrawMapArea();
    ShowSpeedText();
    SetTopMost(*this, true);
    SetTopMost(videoSurface_, true);
    MoveWindow(Handle(), 0, 0, width, height, FALSE);
    MoveWindow(video, 0, 0, width, height, FALSE);
    BringWindowToTop(Handle());
    BringWindowToTop(video);
    if (EngineReady()) {
        engineTable_.SetKeepAspect(&engine_, keepAspect_);
    }
    // The Media Foundation player keeps its zoom across the new size; the
    // DirectShow path starts over from the whole picture.
    if (!engine_.HasMediaFoundationPlayer()) {
        ResetZoom();
        ApplyZoom(0);
    }
}

// The window itself stretches the video to its video area; the caller puts
// the size mode back.
void CkadomirDlg::LeaveFullScreenLayout() {
    if (EngineReady()) {
        engineTable_.SetKeepAspect(&engine_, 0);
    }
    SetTopMost(*this, false);
    SetTopMost(videoSurface_, false);
}

// In the zoom mode a click on the video magnifies it, and the file panel
// makes way for its zoom picture; the large layout has no file panel.
void CkadomirDlg::SetZoomMode(int on) {
    videoSurface_.zoomMode = on;
    filePanel_.SetZoomMode(on != 0);
    Invalidate();
    filePanel_.EnableControls(sizeMode_ != 2);
    if (!on) {
        ResetZoom();
        ApplyVideoZoom(engine_, 0, zoomCentre_.x, zoomCentre_.y, zoomPan_.x, zoomPan_.y, zoomScale_);
    }
}
