#pragma once

#include <windows.h>

#include "framework/DeviceContext.h"
#include "framework/Handles.h"

// A memory DC with its own bitmap for flicker-free painting. The bitmap
// the DC held before is put back before the bitmap and the DC are deleted.
class COffScreenDC {
public:
    COffScreenDC() = default;
    virtual ~COffScreenDC();
    COffScreenDC(const COffScreenDC&) = delete;
    COffScreenDC& operator=(const COffScreenDC&) = delete;

    // Makes the DC compatible with `compatibleWith` and a width x height
    // bitmap compatible with it, and selects the bitmap. FALSE when either
    // could not be made; a second call replaces both.
    BOOL Create(HDC compatibleWith, int width, int height);

    HDC GetDC() const { return dc_.Get(); }
    HBITMAP GetBitmap() const { return bitmap_.Get(); }

private:
    void Release();

    fw::MemoryDC dc_;
    fw::Bitmap bitmap_;
    HGDIOBJ previousBitmap_ = nullptr;
};
