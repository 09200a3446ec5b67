#include <evcode.h>
#include <mfapi.h>
#include <mferror.h>

#include "EVRCustomPresenter.h"

namespace {

constexpr DWORD kBytesPerGrabbedPixel = 4;

PixelRect ToPixelRect(const RECT& rect) { return {rect.left, rect.top, rect.right, rect.bottom}; }

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

}  // namespace

// Rates.

float EVRCustomPresenter::MaximumRate(BOOL thin) {
    UINT32 numerator = 0;
    UINT32 denominator = 0;
    if (mediaType_) MFGetAttributeRatio(mediaType_.Get(), MF_MT_FRAME_RATE, &numerator, &denominator);
    return ::MaximumRate(thin != FALSE, Ratio{numerator, denominator}, presentEngine_->RefreshRate());
}

STDMETHODIMP EVRCustomPresenter::GetSlowestRate(MFRATE_DIRECTION, BOOL, float* rate) {
    CriticalSectionLock hold(lock_);
    if (IsShutdown()) return MF_E_SHUTDOWN;
    if (rate == nullptr) return E_POINTER;
    *rate = 0.0f;
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::GetFastestRate(MFRATE_DIRECTION direction, BOOL thin, float* rate) {
    CriticalSectionLock hold(lock_);
    if (IsShutdown()) return MF_E_SHUTDOWN;
    if (rate == nullptr) return E_POINTER;
    const float maximum = MaximumRate(thin);
    *rate = direction == MFRATE_REVERSE ? -maximum : maximum;
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::IsRateSupported(BOOL thin, float rate, float* nearestRate) {
    CriticalSectionLock hold(lock_);
    if (IsShutdown()) return MF_E_SHUTDOWN;
    const RateAnswer answer = CheckRate(rate, MaximumRate(thin));
    if (nearestRate != nullptr) *nearestRate = answer.nearest;
    return answer.result;
}

// Services: the device manager for the mixer, under either service, and the
// presenter's own interfaces through the render service.

STDMETHODIMP EVRCustomPresenter::GetService(REFGUID service, REFIID iid, LPVOID* out) {
    if (out == nullptr) return E_POINTER;
    if (!IsEqualGUID(service, MR_VIDEO_RENDER_SERVICE) && !IsEqualGUID(service, MR_VIDEO_ACCELERATION_SERVICE)) {
        return MF_E_UNSUPPORTED_SERVICE;
    }
    // No lock: the device manager is made with the engine and never
    // replaced, and the mixer may ask from inside a call the presenter makes.
    const HRESULT result = presentEngine_->GetService(service, iid, out);
    if (SUCCEEDED(result)) return result;
    return QueryInterface(iid, out);
}

// Display control.

STDMETHODIMP EVRCustomPresenter::GetNativeVideoSize(SIZE* videoSize, SIZE* aspectRatioSize) {
    if (videoSize == nullptr && aspectRatioSize == nullptr) return E_POINTER;
    const uint64_t size = videoSize_;
    const uint32_t width = static_cast<uint32_t>(size >> 32);
    const uint32_t height = static_cast<uint32_t>(size);
    if (videoSize != nullptr) *videoSize = {static_cast<LONG>(width), static_cast<LONG>(height)};
    if (aspectRatioSize != nullptr) {
        const Ratio aspect = ReduceRatio(width, height);
        *aspectRatioSize = {static_cast<LONG>(aspect.x), static_cast<LONG>(aspect.y)};
    }
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::GetIdealVideoSize(SIZE*, SIZE*) { return E_NOTIMPL; }

STDMETHODIMP EVRCustomPresenter::SetVideoPosition(const MFVideoNormalizedRect* source, const LPRECT destination) {
    if (source == nullptr && destination == nullptr) return E_POINTER;
    if (source != nullptr && !IsValidSourceRect({source->left, source->top, source->right, source->bottom})) {
        return E_INVALIDARG;
    }
    if (destination != nullptr && !IsValidDestinationRect(ToPixelRect(*destination))) return E_INVALIDARG;

    CriticalSectionLock hold(lock_);
    if (source != nullptr) {
        sourceRect_ = *source;
        if (mixer_) {
            fw::ComPtr<IMFAttributes> attributes;
            HRESULT result = mixer_->GetAttributes(attributes.Put());
            if (SUCCEEDED(result)) {
                result = attributes->SetBlob(VIDEO_ZOOM_RECT, reinterpret_cast<const UINT8*>(&sourceRect_),
                                             sizeof sourceRect_);
            }
            if (FAILED(result)) return result;
        }
    }
    if (destination != nullptr && !SameRect(*destination, presentEngine_->DestinationRect())) {
        presentEngine_->SetDestinationRect(*destination);
    }
    if (destination == nullptr || !mixer_) return S_OK;

    const HRESULT result = RenegotiateMediaType();
    if (result == MF_E_TRANSFORM_TYPE_NOT_SET) return S_OK;
    if (FAILED(result)) return result;
    repaint_ = true;
    ProcessOutput();
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::GetVideoPosition(MFVideoNormalizedRect* source, LPRECT destination) {
    if (source == nullptr || destination == nullptr) return E_POINTER;
    CriticalSectionLock hold(lock_);
    *source = sourceRect_;
    *destination = presentEngine_->DestinationRect();
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::SetAspectRatioMode(DWORD mode) {
    aspectRatioMode_ = mode;
    Ratio aspect{1, 1};
    if (mode == MFVideoARMode_None) {
        const RECT destination = presentEngine_->DestinationRect();
        const uint64_t size = videoSize_;
        // Until both sizes are known the ratio means nothing: keep the last.
        if (!StretchPixelAspect(static_cast<uint32_t>(destination.right - destination.left),
                                static_cast<uint32_t>(destination.bottom - destination.top),
                                static_cast<uint32_t>(size >> 32), static_cast<uint32_t>(size), &aspect)) {
            return S_OK;
        }
    }
    pixelAspect_ = (uint64_t{aspect.x} << 32) | aspect.y;
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::GetAspectRatioMode(DWORD* mode) {
    if (mode == nullptr) return E_POINTER;
    *mode = aspectRatioMode_;
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::SetVideoWindow(HWND window) {
    if (!IsWindow(window)) return E_INVALIDARG;
    CriticalSectionLock hold(lock_);
    if (window == presentEngine_->VideoWindow()) return S_OK;
    const HRESULT result = presentEngine_->SetVideoWindow(window);
    Notify(EC_DISPLAY_CHANGED, 0, 0);
    return result;
}

STDMETHODIMP EVRCustomPresenter::GetVideoWindow(HWND* window) {
    if (window == nullptr) return E_POINTER;
    CriticalSectionLock hold(lock_);
    *window = presentEngine_->VideoWindow();
    return S_OK;
}

STDMETHODIMP EVRCustomPresenter::RepaintVideo() {
    CriticalSectionLock hold(lock_);
    if (IsShutdown()) return MF_E_SHUTDOWN;
    if (prerolled_) {
        repaint_ = true;
        ProcessOutput();
    }
    return S_OK;
}

// The last presented frame at the video's own size, as a 32-bit bottom-up
// DIB; an error while nothing has been presented.
STDMETHODIMP EVRCustomPresenter::GetCurrentImage(BITMAPINFOHEADER* header, BYTE** pixels, DWORD* size,
                                                 LONGLONG* timeStamp) {
    if (header == nullptr || pixels == nullptr || size == nullptr) return E_POINTER;
    *pixels = nullptr;
    const uint64_t videoSize = videoSize_;
    const UINT width = static_cast<UINT>(videoSize >> 32);
    const UINT height = static_cast<UINT>(videoSize);
    const HRESULT result = presentEngine_->GrabFrame(pixels, width, height);
    if (FAILED(result)) return result;
    *header = BITMAPINFOHEADER{};
    header->biSize = sizeof(BITMAPINFOHEADER);
    header->biWidth = static_cast<LONG>(width);
    header->biHeight = static_cast<LONG>(height);
    header->biPlanes = 1;
    header->biBitCount = 32;
    header->biCompression = BI_RGB;
    header->biSizeImage = width * height * kBytesPerGrabbedPixel;
    *size = header->biSizeImage;
    if (timeStamp != nullptr) *timeStamp = 0;
    return S_OK;
}
