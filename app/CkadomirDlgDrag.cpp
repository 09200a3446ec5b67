// Dragging the borderless window by its title band. The band is the one
// place a press starts a drag; the window keeps the system's own hit
// testing, so every press reaches these handlers as a client click.

#include "app/CkadomirDlg.h"
#include "app/LayoutRects.h"

LRESULT CkadomirDlg::OnLButtonDown(const fw::Message& m) {
    const POINT at = m.Point();
    if (!fullScreen_ && InDragStrip({at.x, at.y})) {
        dragOrigin_ = {at.x, at.y};
        dragging_ = 1;
        SetCapture(Handle());
    }
    return Default(m);
}

// The press point stays under the mouse: the window follows by as much as
// the mouse has moved away from it.
LRESULT CkadomirDlg::OnMouseMove(const fw::Message& m) {
    if (!dragging_ || busy_) {
        return Default(m);
    }
    const POINT at = m.Point();
    const RECT window = WindowRect();
    MoveWindow(Handle(), window.left + at.x - dragOrigin_.x, window.top + at.y - dragOrigin_.y,
               window.right - window.left, window.bottom - window.top, TRUE);
    return Default(m);
}

LRESULT CkadomirDlg::OnLButtonUp(const fw::Message& m) {
    if (dragging_) {
        dragging_ = 0;
        ReleaseCapture();
    }
    return Default(m);
}
