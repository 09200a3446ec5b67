#include "ui/drawing/COffScreenDC.h"

COffScreenDC::~COffScreenDC() {
    Release();
}

void COffScreenDC::Release() {
    if (dc_ && previousBitmap_ != nullptr) {
        SelectObject(dc_.Get(), previousBitmap_);
        previousBitmap_ = nullptr;
    }
    bitmap_.Reset();
    dc_.Reset();
}

BOOL COffScreenDC::Create(HDC compatibleWith, int width, int height) {
    Release();
    dc_ = fw::MemoryDC(compatibleWith);
    bitmap_.Reset(CreateCompatibleBitmap(compatibleWith, width, height));
    if (!dc_ || !bitmap_) {
        Release();
        return FALSE;
    }
    previousBitmap_ = SelectObject(dc_.Get(), bitmap_.Get());
    return TRUE;
}
