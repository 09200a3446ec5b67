#pragma once

#include <windows.h>

#include <string>

#include "framework/DeviceContext.h"
#include "framework/Handles.h"

namespace testing_support {

// A 32-bit top-down bitmap with a DC to draw into and pixels to read back.
class DibCanvas {
public:
    DibCanvas(int width, int height, COLORREF fill = RGB(255, 255, 255));
    DibCanvas(const DibCanvas&) = delete;
    DibCanvas& operator=(const DibCanvas&) = delete;
    ~DibCanvas();

    HDC Dc() const { return dc_.Get(); }
    int Width() const { return width_; }
    int Height() const { return height_; }
    // The pixel as a COLORREF (RGB order of the RGB macro).
    COLORREF Pixel(int x, int y) const;
    // How many pixels of the area have exactly this colour.
    int Count(const RECT& area, COLORREF colour) const;
    void Fill(COLORREF colour) const;
    // Writes a 24-bit BMP, for looking at a failure.
    bool SaveBmp(const std::wstring& path) const;

private:
    int width_;
    int height_;
    fw::MemoryDC dc_;
    fw::Bitmap bitmap_;
    HGDIOBJ previous_ = nullptr;
    DWORD* pixels_ = nullptr;
};

// The screen's pixels under a window, as shown once pending drawing has
// reached the screen.
void CaptureWindow(HWND window, DibCanvas& canvas);

// Whether two colours differ by at most `tolerance` in each channel.
bool CloseColour(COLORREF a, COLORREF b, int tolerance = 0);

}  // namespace testing_support
