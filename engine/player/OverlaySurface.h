#pragma once

#include <windows.h>

#include "framework/Handles.h"

// The 300 x 120 bitmap the overlay text is drawn into, held in a memory
// device context made compatible with the video window.
class OverlaySurface {
public:
    OverlaySurface() = default;
    ~OverlaySurface();
    OverlaySurface(const OverlaySurface&) = delete;
    OverlaySurface& operator=(const OverlaySurface&) = delete;

    bool Create(HWND window);
    // Green text with word breaks on black, which the renderers key out.
    bool DrawText(const wchar_t* text, HFONT font);
    HDC Dc() const { return dc_; }
    RECT Bounds() const;

private:
    HDC dc_ = nullptr;
    fw::GdiObject<HBITMAP> bitmap_;
    HGDIOBJ previous_ = nullptr;
};
