// Layouts and painting of the main window. It is always 1120 x 700 and
// borderless; it paints its own skin and title.

#include "app/CkadomirDlg.h"
#include "app/LayoutRects.h"
#include "app/MainWindowIds.h"
#include "framework/DeviceContext.h"
#include "framework/Handles.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/UiFonts.h"

namespace {

constexpr COLORREF kTitleColour = RGB(255, 255, 255);
constexpr RECT kTitleRect{10, 4, 400, 30};
// Tooltip of the size button: the size the next press switches to.
constexpr int kNextSizeSlots[kSizeModes] = {8, 7, 18};

}  // namespace

void CkadomirDlg::LayoutSmall() { Layout(0); }

void CkadomirDlg::Layout(int sizeMode) {
    sizeMode_ = sizeMode;
    if (infoPanel_ != nullptr) {
        infoPanel_->layoutMode = sizeMode;
    }
    ApplyWindowSize();
    const RECT client = ClientRect();
    const RECT video = videoSurface_.ClientRect();
    if (IsRectEmpty(&client) || IsRectEmpty(&video)) {
        return;
    }
    zoomScale_ = 1.0f;
    const LayoutRect clientArea = MainClientRect();
    const LayoutRect videoArea = VideoArea(sizeMode_);
    Place(&seekSlider_, SeekSliderRect(videoArea));
    // The map follows the layout at once: a paused clip shows no frame that
    // would move it, and the wider layouts have no room for it.
    DrawMapArea();
    Place(infoPanel_.get(), InfoPanelRect(sizeMode_, videoArea, clientArea));
    if (sizeMode_ == 0) {
        Place(graph_.get(), GraphRect(videoArea, clientArea));
        Place(mapWindow_, MapWindowRect(videoArea));
    }
    LayoutFilePanel();
    PlaceMainButtons();
    Place(&volumeSlider_, VolumeSliderRect(clientArea));
    volumeSlider_.Show(SW_SHOW);
    ShowSpeedText();
}

// The window and video step of a layout.
void CkadomirDlg::ApplyWindowSize() {
    MoveWindow(Handle(), savedWindowRect_.left, savedWindowRect_.top, kMainWindowWidth, kMainWindowHeight, FALSE);
    SetWindowRegion();
    if (videoSurface_.Handle() == nullptr) {
        return;
    }
    const HWND video = videoSurface_.Handle();
    SetWindowLongPtrW(video, GWL_EXSTYLE, GetWindowLongPtrW(video, GWL_EXSTYLE) | WS_EX_CLIENTEDGE);
    ShowControlsForMode(sizeMode_);
    videoSurface_.SetPos(HWND_NOTOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    Place(&videoSurface_, VideoArea(sizeMode_), false);
}

void CkadomirDlg::SetWindowRegion() {
    const RECT client = ClientRect();
    fw::Region region(CreateRectRgnIndirect(&client));
    // The window owns the region once it is set.
    if (SetWindowRgn(Handle(), region.Get(), FALSE)) {
        region.Release();
    }
    Invalidate();
}

void CkadomirDlg::ShowControlsForMode(int sizeMode) {
    ShowIf(graph_.get(), sizeMode == 0);
    ShowIf(&seekSlider_, true);
    ShowIf(&volumeSlider_, true);
    ShowIf(infoPanel_.get(), sizeMode != 2);
    filePanel_.EnableControls(sizeMode != 2);
    filePanel_.ShowControls(sizeMode != 2);
    for (int i = 0; i < kMainButtonCount; ++i) {
        ShowIf(&mainButtons_[i], MainButtonPlace(i, sizeMode, MainClientRect()).shown);
    }
    for (CSkinButton& button : windowButtons_) {
        ShowIf(&button, true);
    }
}

void CkadomirDlg::PlaceMainButtons() {
    const LayoutRect client = MainClientRect();
    for (int i = 0; i < kMainButtonCount; ++i) {
        const ButtonPlace place = MainButtonPlace(i, sizeMode_, client);
        if (place.rect.Width() > 0) {
            Place(&mainButtons_[i], place.rect);
        }
        ShowIf(&mainButtons_[i], place.shown);
    }
    for (int i = 0; i < kWindowButtonCount; ++i) {
        Place(&windowButtons_[i], WindowButtonRect(i, client));
        ShowIf(&windowButtons_[i], true);
    }
    if (!fullScreen_) {
        toolTip_.UpdateTipText(windowButtons_[kWindowButtonSize].Handle(), UiText(kNextSizeSlots[sizeMode_]));
        toolTip_.Activate(true);
    }
}

RECT CkadomirDlg::VideoRect() const { return ToRect(VideoArea(sizeMode_)); }

// The file panel beside the video, below the video's right end, or (in the
// large layout, which has no room for it) switched off.
void CkadomirDlg::LayoutFilePanel() {
    RECT area = VideoRect();
    switch (sizeMode_) {
    case 0:
        filePanel_.LayoutSideBySide(area);
        break;
    case 1:
        filePanel_.LayoutStacked(area);
        break;
    default:
        filePanel_.EnableControls(false);
        break;
    }
}

// The panels beside the video, and the video area redrawn.
void CkadomirDlg::PlaceSubWindows() {
    LayoutFilePanel();
    const RECT video = VideoRect();
    InvalidateRect(Handle(), &video, TRUE);
}

void CkadomirDlg::ResetZoom() {
    zoomScale_ = 1.0f;
    zoomPan_ = {};
    zoomCentre_ = ZoomCentre(sizeMode_);
}

LRESULT CkadomirDlg::OnSize(const fw::Message& m) {
    const LRESULT result = Default(m);
    if (m.wParam == SIZE_RESTORED) {
        ApplyZoom(0);
    }
    return result;
}

LRESULT CkadomirDlg::OnPaint(const fw::Message& m) {
    if (IsIconic(Handle())) {
        return Default(m);
    }
    {
        const fw::PaintDC dc(Handle());
        if (!fullScreen_) {
            const fw::SelectedObject font(dc.Get(), g_fontNormal);
            SetTextColor(dc.Get(), kTitleColour);
            SetBkMode(dc.Get(), TRANSPARENT);
            RECT title = kTitleRect;
            DrawTextW(dc.Get(), kProductName, -1, &title, 0);
            // The erase has just covered the map's place with the skin.
            DrawMapArea(dc.Get());
            if (sizeMode_ != 2 && videoSurface_.Handle() != nullptr) {
                filePanel_.Paint(VideoRect(), dc.Get(), sizeMode_);
            }
            PaintPanels(dc.Get());
        }
    }
    RefreshVideo();
    return 0;
}

// The information panel's corner image, and in the large layout the status
// strip it paints in place of its own window.
void CkadomirDlg::PaintPanels(HDC dc) {
    if (infoPanel_ == nullptr || infoPanel_->Handle() == nullptr) {
        return;
    }
    infoPanel_->DrawCornerImage(dc);
    if (sizeMode_ == 2) {
        infoPanel_->DrawStatusLine(dc);
    }
}

LRESULT CkadomirDlg::OnEraseBkgnd(const fw::Message& m) {
    const HDC dc = reinterpret_cast<HDC>(m.wParam);
    const RECT window = WindowRect();
    skinImages_.DrawBackground(dc, {0, 0, window.right - window.left, window.bottom - window.top});
    if (!backgroundPainted_ && videoSurface_.Handle() != nullptr) {
        const RECT video = VideoRect();
        FillRect(dc, &video, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        backgroundPainted_ = 1;
    }
    return TRUE;
}

// The dialog itself paints no background colour: its skin covers it.
LRESULT CkadomirDlg::OnCtlColor(const fw::Message& m) {
    return m.id == WM_CTLCOLORDLG ? 0 : Default(m);
}

LRESULT CkadomirDlg::OnQueryDragIcon(const fw::Message&) { return reinterpret_cast<LRESULT>(icon_); }

// A borderless window: the position WM_MOVE reports is the window's own.
LRESULT CkadomirDlg::OnMove(const fw::Message& m) {
    if (!fullScreen_) {
        const POINT at = m.Point();
        savedWindowRect_ = {at.x, at.y, at.x, at.y};
    }
    return Default(m);
}
