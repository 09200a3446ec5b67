#pragma once

#include <windows.h>

#include <array>
#include <map>

#include "framework/DeviceContext.h"
#include "framework/Handles.h"
#include "ui/drawing/SkinImage.h"

// The main window's skin: every bitmap that the main window, the
// information panel and the OBD gauges paint, loaded once, with the DCs
// they are blitted from and a few draw operations for the panel's images.
// Draws skip an image that did not load.
class CResourceImage {
public:
    static constexpr int kCanvasWidth = 210;
    static constexpr int kCanvasHeight = 170;
    static constexpr int kBrushCount = 4;

    CResourceImage() = default;
    virtual ~CResourceImage();
    CResourceImage(const CResourceImage&) = delete;
    CResourceImage& operator=(const CResourceImage&) = delete;

    // Creates the DCs with the main window's DC and loads every image.
    // GDI+ must be running. Returns 1.
    int LoadImages(HWND mainWindow);

    // Image 129 stretched over the rectangle's size at (0, 0), black transparent.
    void DrawBackground(HDC dc, const RECT& r) const;
    // Quality image 0 to 5 at the rectangle's top-left, copied in the size of image 198.
    void DrawIndexedImage(HDC dc, const RECT& r, int index) const;
    // Lamp 193 (on) or 194 (off), centred in a 60-pixel cell at the rectangle's left.
    void DrawOnOffImage(HDC dc, const RECT& r, BOOL on) const;
    // The GPS mark 172, when shown, centred like the lamp.
    void DrawMarkImage(HDC dc, const RECT& r, BOOL shown) const;
    // The missing-G-value image of an axis (state 0 to 2) for layout kind 0
    // or 1, stretched into the rectangle.
    void DrawGValueImage(HDC dc, const RECT& r, int kind, int state) const;
    // Date placeholder of state 0 to 2 at the rectangle's top-left.
    void DrawStateImage(HDC dc, const RECT& r, int state) const;
    // Speed placeholder: states 0 and 1 at the top-left, state 2 flush right.
    void DrawStateImageRight(HDC dc, const RECT& r, int state) const;

    // For the windows that compose with the skin directly.
    const SkinImage* Image(int id) const;
    HDC SkinDC() const { return skinDC_.Get(); }
    HDC CanvasDC() const { return canvasDC_.Get(); }
    HBITMAP NeedleMask() const { return needleMask_.Get(); }
    HBRUSH Brush(int index) const { return index >= 0 && index < kBrushCount ? brushes_[index].Get() : nullptr; }
    HICON Icon() const { return icon_; }

private:
    // Blits image id from the skin DC, black transparent; nothing when the
    // image is missing.
    void Blit(HDC dc, int id, int x, int y, int width, int height) const;
    void Load(HINSTANCE module, int id, COLORREF background);

    fw::MemoryDC skinDC_;
    fw::MemoryDC canvasDC_;
    fw::Bitmap canvasBitmap_;
    HGDIOBJ previousCanvasBitmap_ = nullptr;
    std::map<int, SkinImage> images_;
    fw::Bitmap needleMask_;
    std::array<fw::Brush, kBrushCount> brushes_;
    HICON icon_ = nullptr;  // shared icon: the system owns it
};
