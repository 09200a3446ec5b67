// Where the Media Foundation player shows its picture, the text over it,
// and the picture itself for a snapshot.

#include <objbase.h>

#include <utility>

#include "DibImage.h"
#include "MediaFoundationBackend.h"

namespace {

constexpr float kOverlayAlpha = 0.8f;
constexpr MFVideoNormalizedRect kWholeSource{0.0f, 0.0f, 1.0f, 1.0f};

RECT ToRect(const ZoomRect& rect) { return RECT{rect.left, rect.top, rect.right, rect.bottom}; }

}  // namespace

bool MediaFoundationBackend::SetVideoDestination(const ZoomRect& destination) {
    fw::ComPtr<IMFVideoDisplayControl> display = player_->DisplayControl();
    if (!display) return false;
    RECT target = ToRect(destination);
    const HRESULT hr = display->SetVideoPosition(&kWholeSource, &target);
    if (FAILED(hr) && hr != E_POINTER) return false;
    display->SetAspectRatioMode(MFVideoARMode_PreservePicture);
    return true;
}

void MediaFoundationBackend::PaintBands(const ZoomRect& client, const ZoomRect& destination) {
    HDC dc = GetDC(window_);
    if (dc == nullptr) return;
    HBRUSH black = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    for (const ZoomRect& band : BandsAround(client, destination)) {
        const RECT area = ToRect(band);
        if (area.right > area.left && area.bottom > area.top) FillRect(dc, &area, black);
    }
    ReleaseDC(window_, dc);
}

void MediaFoundationBackend::ShowFirstFrame() {
    player_->SetVolume(0);
    player_->SeekTo(0);
    player_->PauseSession();
}

bool MediaFoundationBackend::RepaintVideo() {
    fw::ComPtr<IMFVideoDisplayControl> display = player_->DisplayControl();
    if (!display) return false;
    display->RepaintVideo();
    return true;
}

bool MediaFoundationBackend::ReapplyDestination(bool mirrored) {
    fw::ComPtr<IMFVideoDisplayControl> display = player_->DisplayControl();
    if (!display) return false;
    MFVideoNormalizedRect source{};
    RECT target{};
    if (FAILED(display->GetVideoPosition(&source, &target))) return false;
    if (mirrored) {
        std::swap(target.left, target.right);
        std::swap(target.top, target.bottom);
    }
    return SUCCEEDED(display->SetVideoPosition(&kWholeSource, &target));
}

bool MediaFoundationBackend::ShowOverlayText(const wchar_t* text, HFONT__* font, const OverlaySize& size,
                                             int32_t clientWidth, int32_t clientHeight) {
    overlay_.DrawText(text, font);
    // Not every renderer lets a bitmap be mixed in: then there is no overlay.
    fw::ComPtr<IMFVideoMixerBitmap> mixer = player_->MixerBitmap();
    if (!mixer) return false;
    mixer->ClearAlphaBitmap();
    if (overlay_.Dc() == nullptr) return false;
    const OverlayPlace place = OverlayDestination(size, clientWidth, clientHeight);
    MFVideoAlphaBitmap bitmap{};
    bitmap.GetBitmapFromDC = TRUE;
    bitmap.bitmap.hdc = overlay_.Dc();
    bitmap.params.dwFlags = MFVideoAlphaBitmap_Alpha | MFVideoAlphaBitmap_DestRect | MFVideoAlphaBitmap_SrcColorKey;
    bitmap.params.clrSrcKey = RGB(0, 0, 0);
    bitmap.params.rcSrc = overlay_.Bounds();
    bitmap.params.nrcDest = MFVideoNormalizedRect{place.left, place.top, place.right, place.bottom};
    bitmap.params.fAlpha = kOverlayAlpha;
    return SUCCEEDED(mixer->SetAlphaBitmap(&bitmap));
}

bool MediaFoundationBackend::GrabCurrentImage(CapturedImage& image) {
    fw::ComPtr<IMFVideoDisplayControl> display = player_->DisplayControl();
    if (!display) return false;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    BYTE* pixels = nullptr;
    DWORD size = 0;
    LONGLONG timeStamp = 0;
    if (FAILED(display->GetCurrentImage(&header, &pixels, &size, &timeStamp))) return false;
    const bool made = ImageFromDib(header, pixels, size, image);
    CoTaskMemFree(pixels);
    return made;
}
