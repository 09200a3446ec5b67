#pragma once

#include <windows.h>

#include "framework/Window.h"

// The 22-pixel bar that shows a worker's percentage along the bottom of a
// window: blue up to the position, white after it, with "42 %" in the
// middle in the colour of the other part. All painting happens in
// WM_ERASEBKGND.
class CSkinProgressBarCtrl : public fw::Window {
public:
    static constexpr int kControlId = 38102;
    static constexpr int kHeight = 22;

    // Creates the bar along the parent's client bottom, without visible
    // height until PlaceAtBottom. 0 when the parent's client area has no width.
    BOOL CreateBar(HWND parent);
    // Moves the bar onto the bottom 22 pixels of the target window, in
    // coordinates relative to the reference window's top-left.
    void PlaceAtBottom(HWND reference, HWND target);

    // Written by the owner.
    int minimum = 0;
    int maximum = 100;
    int position = 0;
    int controlId = 0;

protected:
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnEraseBkgnd(const fw::Message& m);
    LRESULT OnPaint(const fw::Message& m);
    LRESULT OnSetFont(const fw::Message& m);
    LRESULT OnGetFont(const fw::Message& m);
    void DrawPercent(HDC dc, const RECT& box, const RECT& clip, COLORREF colour) const;

    HFONT font_ = nullptr;  // the font the owner gave; not owned
};
