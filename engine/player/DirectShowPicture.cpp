// Where the DirectShow renderer shows its picture, the text over it, and
// the picture itself for a snapshot.

#include <objbase.h>

#include <vector>

#include "CheckHResult.h"
#include "DibImage.h"
#include "DirectShowBackend.h"

namespace {

bool Checked(HRESULT hr) { return CheckHResult(hr) != 0; }

RECT ToRect(const ZoomRect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

// A packed bitmap the renderer allocated, freed with it.
bool ImageFromTaskMemory(BYTE* dib, CapturedImage& image) {
    if (dib == nullptr) return false;
    const auto* header = reinterpret_cast<const BITMAPINFOHEADER*>(dib);
    const size_t stride = (static_cast<size_t>(header->biWidth) * (header->biBitCount / 8) + 3) & ~size_t{3};
    const size_t size = header->biSize + stride * static_cast<size_t>(header->biHeight < 0 ? -header->biHeight
                                                                                            : header->biHeight);
    const bool made = ImageFromPackedDib(dib, size, image);
    CoTaskMemFree(dib);
    return made;
}

}  // namespace

bool DirectShowBackend::SetVideoDestination(const ZoomRect& destination) {
    RECT target = ToRect(destination);
    if (vmr9Windowless_) return Checked(vmr9Windowless_->SetVideoPosition(nullptr, &target));
    if (vmr7Windowless_) return Checked(vmr7Windowless_->SetVideoPosition(nullptr, &target));
    if (!videoWindow_) return false;
    return Checked(videoWindow_->SetWindowPosition(target.left, target.top, target.right - target.left,
                                                   target.bottom - target.top));
}

void DirectShowBackend::RefreshAfterPlacement(uint32_t playState, bool repaint) {
    constexpr uint32_t kStopped = 1;
    constexpr uint32_t kPaused = 3;
    if (vmr9Windowless_ || vmr7Windowless_) {
        if (!repaint) return;
        HDC dc = GetWindowDC(window_);
        if (dc == nullptr) return;
        if (vmr9Windowless_) {
            vmr9Windowless_->RepaintVideo(window_, dc);
        } else {
            vmr7Windowless_->RepaintVideo(window_, dc);
        }
        ReleaseDC(window_, dc);
        return;
    }
    // The graph's own window redraws a still frame only when cued again.
    if (!mediaControl_) return;
    if (playState == kStopped) mediaControl_->StopWhenReady();
    if (playState == kPaused) mediaControl_->Pause();
}

bool DirectShowBackend::SetLetterBox(bool keep) {
    if (vmr9_) {
        fw::ComPtr<IVMRAspectRatioControl9> aspect;
        if (FAILED(vmr9_->QueryInterface(IID_IVMRAspectRatioControl9, reinterpret_cast<void**>(aspect.Put())))) {
            return false;
        }
        return SUCCEEDED(aspect->SetAspectRatioMode(keep ? VMR_ARMODE_LETTER_BOX : VMR_ARMODE_NONE));
    }
    if (vmr7_) {
        fw::ComPtr<IVMRAspectRatioControl> aspect;
        if (FAILED(vmr7_->QueryInterface(IID_IVMRAspectRatioControl, reinterpret_cast<void**>(aspect.Put())))) {
            return false;
        }
        return SUCCEEDED(aspect->SetAspectRatioMode(keep ? VMR_ARMODE_LETTER_BOX : VMR_ARMODE_NONE));
    }
    return false;
}

bool DirectShowBackend::ShowOverlayText(const wchar_t* text, HFONT__* font, const OverlaySize& size,
                                        int32_t clientWidth, int32_t clientHeight) {
    overlay_.DrawText(text, font);
    // Only the VMR-9 mixes a bitmap in here.
    fw::ComPtr<IVMRMixerBitmap9> mixer;
    if (!vmr9_ || FAILED(vmr9_->QueryInterface(IID_IVMRMixerBitmap9, reinterpret_cast<void**>(mixer.Put())))) {
        return false;
    }
    const OverlayPlace place = OverlayDestination(size, clientWidth, clientHeight);
    VMR9AlphaBitmap bitmap{};
    bitmap.dwFlags = VMR9AlphaBitmap_hDC | VMR9AlphaBitmap_SrcColorKey;
    bitmap.hdc = overlay_.Dc();
    bitmap.rSrc = overlay_.Bounds();
    bitmap.rDest = VMR9NormalizedRect{place.left, place.top, place.right, place.bottom};
    bitmap.fAlpha = 1.0f;
    bitmap.clrSrcKey = RGB(0, 0, 0);
    return SUCCEEDED(mixer->SetAlphaBitmap(&bitmap));
}

bool DirectShowBackend::GrabCurrentImage(CapturedImage& image) {
    BYTE* dib = nullptr;
    if (vmr9Windowless_) return SUCCEEDED(vmr9Windowless_->GetCurrentImage(&dib)) && ImageFromTaskMemory(dib, image);
    if (vmr7Windowless_) return SUCCEEDED(vmr7Windowless_->GetCurrentImage(&dib)) && ImageFromTaskMemory(dib, image);
    if (!basicVideo_) return false;
    // The graph's renderer hands out a packed bitmap: its header, then the
    // pixels.
    long size = 0;
    if (FAILED(basicVideo_->GetCurrentImage(&size, nullptr)) || size <= 0) return false;
    std::vector<uint8_t> packed(static_cast<size_t>(size));
    if (FAILED(basicVideo_->GetCurrentImage(&size, reinterpret_cast<long*>(packed.data())))) return false;
    return ImageFromPackedDib(packed.data(), std::min<size_t>(packed.size(), static_cast<size_t>(size)), image);
}
