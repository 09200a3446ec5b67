#include "app/CMovieStatic.h"

#include "app/MainWindowIds.h"
#include "app/MainWindowMessages.h"

namespace {

constexpr UINT kGuardMs = 500;
constexpr DWORD kHoverMs = 2000;

}  // namespace

bool CMovieStatic::Create(VideoSurfaceOwner* owner, HWND parent, const RECT& rect) {
    owner_ = owner;
    fw::WindowArgs args;
    args.parent = parent;
    args.id = kVideoSurfaceId;
    args.rect = rect;
    args.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | SS_NOTIFY | SS_SIMPLE;
    args.exStyle = WS_EX_CLIENTEDGE;
    return CreateControl(L"STATIC", args);
}

const fw::MessageMap& CMovieStatic::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Window::GetMessageMap(), {
        fw::OnMessage(WM_CONTEXTMENU, &CMovieStatic::OnContextMenu),
        fw::OnMessage(WM_MOUSEMOVE, &CMovieStatic::OnMouseMove),
        fw::OnMessage(WM_APP_GRAPH_EVENT, &CMovieStatic::OnGraphEvent),
        fw::OnMessage(WM_LBUTTONDOWN, &CMovieStatic::OnLButtonDown),
        fw::OnMessage(WM_LBUTTONUP, &CMovieStatic::OnLButtonUp),
        fw::OnMessage(WM_LBUTTONDBLCLK, &CMovieStatic::OnLButtonDblClk),
        fw::OnMessage(WM_PLAYER_PAUSED, &CMovieStatic::OnPlayerPaused),
        fw::OnMessage(WM_PLAYER_ENDED, &CMovieStatic::OnPlayerEnded),
        fw::OnMessage(WM_PLAYER_READY, &CMovieStatic::OnPlayerReady),
        fw::OnMessage(WM_SETCURSOR, &CMovieStatic::OnSetCursor),
        fw::OnMessage(WM_TIMER, &CMovieStatic::OnTimer),
    });
    return map;
}

LRESULT CMovieStatic::OnContextMenu(const fw::Message& m) {
    if (owner_ != nullptr) {
        owner_->OnVideoContextMenu(m.Point(), Handle());
    }
    return 0;
}

LRESULT CMovieStatic::OnMouseMove(const fw::Message& m) {
    TRACKMOUSEEVENT track{};
    track.cbSize = sizeof track;
    track.dwFlags = TME_HOVER | TME_LEAVE;
    track.hwndTrack = Handle();
    track.dwHoverTime = kHoverMs;
    TrackMouseEvent(&track);
    return Default(m);
}

LRESULT CMovieStatic::OnGraphEvent(const fw::Message& m) {
    if (owner_ != nullptr) {
        owner_->OnGraphEvent(m.wParam, m.lParam);
    }
    return 0;
}

LRESULT CMovieStatic::OnLButtonDown(const fw::Message& m) {
    buttonUp_ = 0;
    SetFocus(Handle());
    if (!doubleClickGuard_) {
        pressFlags_ = static_cast<UINT>(m.wParam);
        pressPoint_ = m.Point();
        dragging_ = 0;
        SetTimer(Handle(), kTimerClick, GetDoubleClickTime(), nullptr);
    }
    return Default(m);
}

LRESULT CMovieStatic::OnLButtonUp(const fw::Message& m) {
    buttonUp_ = 1;
    if (doubleClickGuard_) {
        // The release that ends a double click: no click follows it.
        doubleClickGuard_ = 0;
        return Default(m);
    }
    SetTimer(Handle(), kTimerRelease, GetDoubleClickTime(), nullptr);
    return Default(m);
}

LRESULT CMovieStatic::OnLButtonDblClk(const fw::Message& m) {
    KillTimer(Handle(), kTimerClick);
    KillTimer(Handle(), kTimerRelease);
    dragging_ = 0;
    doubleClickGuard_ = 1;
    ReleaseCapture();
    if (!zoomMode && owner_ != nullptr) {
        owner_->ToggleFullScreen(owner_->MayEnterFullScreen() ? 1 : 0);
    }
    SetTimer(Handle(), kTimerGuard, kGuardMs, nullptr);
    return Default(m);
}

LRESULT CMovieStatic::OnPlayerPaused(const fw::Message&) { return 0; }

LRESULT CMovieStatic::OnPlayerEnded(const fw::Message& m) {
    if (owner_ != nullptr) {
        owner_->OnClipEnded(m.wParam, m.lParam);
    }
    return 0;
}

LRESULT CMovieStatic::OnPlayerReady(const fw::Message& m) {
    if (owner_ != nullptr) {
        owner_->OnLoadClipData(m.wParam, m.lParam);
    }
    return 0;
}

LRESULT CMovieStatic::OnSetCursor(const fw::Message& m) {
    if (!zoomMode) {
        return Default(m);
    }
    SetCursor(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kZoomCursorId)));
    return TRUE;
}

LRESULT CMovieStatic::OnTimer(const fw::Message& m) {
    switch (m.wParam) {
    case kTimerClick:
        KillTimer(Handle(), kTimerClick);
        if (!dragging_) {
            dragging_ = 1;
            SetCapture(Handle());
            if (owner_ != nullptr) {
                owner_->OnZoomAtPoint(pressFlags_, pressPoint_);
            }
        }
        break;
    case kTimerRelease:
        KillTimer(Handle(), kTimerRelease);
        if (dragging_) {
            dragging_ = 0;
            ReleaseCapture();
        }
        break;
    case kTimerGuard:
        // While the button is still held the guard stays and is tested again.
        if (buttonUp_) {
            doubleClickGuard_ = 0;
            KillTimer(Handle(), kTimerGuard);
        }
        break;
    default:
        break;
    }
    return Default(m);
}
