#pragma once

#include <windows.h>

#include "framework/Window.h"

// What the video surface hands on to the main window: the mouse actions on
// the video and the player's events, by direct call.
class VideoSurfaceOwner {
public:
    virtual ~VideoSurfaceOwner() = default;
    virtual void OnVideoContextMenu(POINT screen, HWND window) = 0;
    virtual void OnZoomAtPoint(UINT keyFlags, POINT client) = 0;
    virtual void OnClipEnded(WPARAM wParam, LPARAM lParam) = 0;
    virtual void OnLoadClipData(WPARAM wParam, LPARAM lParam) = 0;
    virtual void OnGraphEvent(WPARAM wParam, LPARAM lParam) = 0;
    virtual void ToggleFullScreen(int toggle) = 0;
    // The controls are on, the list has rows and a clip is open.
    virtual bool MayEnterFullScreen() const = 0;
};

// The video surface: the child window the engine draws the video into and
// posts the player's events to. A single click zooms in at the point while
// the zoom mode is on, a double click toggles full screen, the right button
// asks for the context menu. A click is only taken for one once the
// double-click time has passed without a second click.
class CMovieStatic : public fw::Window {
public:
    static constexpr UINT_PTR kTimerClick = 200;
    static constexpr UINT_PTR kTimerRelease = 201;
    static constexpr UINT_PTR kTimerGuard = 202;
    static constexpr int kZoomCursorId = 191;

    // A "STATIC" child of the main window that takes clicks and double
    // clicks, with a sunken edge, in the given rectangle.
    bool Create(VideoSurfaceOwner* owner, HWND parent, const RECT& rect);

    int fullScreen = 0;  // the main window's, mirrored when it changes
    int zoomMode = 0;    // the main window's zoom mode

protected:
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnContextMenu(const fw::Message& m);
    LRESULT OnMouseMove(const fw::Message& m);
    LRESULT OnGraphEvent(const fw::Message& m);
    LRESULT OnLButtonDown(const fw::Message& m);
    LRESULT OnLButtonUp(const fw::Message& m);
    LRESULT OnLButtonDblClk(const fw::Message& m);
    LRESULT OnPlayerPaused(const fw::Message& m);
    LRESULT OnPlayerEnded(const fw::Message& m);
    LRESULT OnPlayerReady(const fw::Message& m);
    LRESULT OnSetCursor(const fw::Message& m);
    LRESULT OnTimer(const fw::Message& m);

    VideoSurfaceOwner* owner_ = nullptr;
    int buttonUp_ = 0;
    int dragging_ = 0;
    int doubleClickGuard_ = 0;
    UINT pressFlags_ = 0;
    POINT pressPoint_{};
};
