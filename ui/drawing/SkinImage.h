#pragma once

#include <windows.h>
// GDI+ needs the COM interfaces of objidl.h, which the lean windows.h leaves out.
#include <objidl.h>
#include <gdiplus.h>

#include <memory>

#include "framework/Handles.h"

// One skin image in its two forms: the GDI+ bitmap, which knows the image's
// size, and a GDI bitmap made from it for blitting. GDI+ must be running
// while a SkinImage exists.
class SkinImage {
public:
    SkinImage() = default;
    SkinImage(SkinImage&&) = default;
    SkinImage& operator=(SkinImage&&) = default;

    // Loads a bitmap resource. Pixels with partial alpha are blended onto
    // the background colour. A missing resource gives an image that is not
    // Loaded().
    static SkinImage FromBitmapResource(HINSTANCE module, int id, COLORREF background);

    bool Loaded() const { return static_cast<bool>(gdi_); }
    HBITMAP Gdi() const { return gdi_.Get(); }
    // Read from the GDI+ bitmap each time, so an image may be replaced by
    // one of another size.
    int Width() const { return image_ ? static_cast<int>(image_->GetWidth()) : 0; }
    int Height() const { return image_ ? static_cast<int>(image_->GetHeight()) : 0; }

private:
    std::unique_ptr<Gdiplus::Bitmap> image_;
    fw::Bitmap gdi_;
};
