#pragma once

#include <windows.h>

class COffScreenDC;

// The main window's on-video text area. It draws in the main window's
// off-screen buffer and puts back the font it found there when it goes.
class CLapTimeArea {
public:
    CLapTimeArea() = default;
    virtual ~CLapTimeArea();
    CLapTimeArea(const CLapTimeArea&) = delete;
    CLapTimeArea& operator=(const CLapTimeArea&) = delete;

    // Draws in `buffer` from now on, with `font` selected (the buffer's
    // previous font is kept for the destructor).
    void UseBuffer(COffScreenDC* buffer, HFONT font);

    COffScreenDC* Buffer() const { return buffer_; }

    COLORREF textColour = 0x3F3F3F;
    COLORREF backgroundColour = 0xFFFFFF;

private:
    void RestoreFont();

    COffScreenDC* buffer_ = nullptr;
    HGDIOBJ savedFont_ = nullptr;
};
