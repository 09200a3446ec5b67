#include <evr.h>
#include <mfapi.h>
#include <mferror.h>

#include "D3DPresentEngine.h"
#include "core/PresenterArithmetic.h"

namespace {

bool IsDeviceGone(HRESULT result) {
    return result == D3DERR_DEVICELOST || result == D3DERR_DEVICENOTRESET || result == D3DERR_DEVICEHUNG;
}

}  // namespace

HRESULT D3DPresentEngine::PresentSample(IMFSample* sample, LONGLONG) {
    if (sample == nullptr) return S_OK;
    fw::ComPtr<IMFMediaBuffer> buffer;
    fw::ComPtr<IDirect3DSurface9> surface;
    fw::ComPtr<IDirect3DSwapChain9> swapChain;
    HRESULT result = sample->GetBufferByIndex(0, buffer.Put());
    if (SUCCEEDED(result)) {
        result = MFGetService(buffer.Get(), MR_BUFFER_SERVICE, __uuidof(IDirect3DSurface9),
                              reinterpret_cast<void**>(surface.Put()));
    }
    if (SUCCEEDED(result)) {
        result = surface->GetContainer(__uuidof(IDirect3DSwapChain9), reinterpret_cast<void**>(swapChain.Put()));
    }
    if (SUCCEEDED(result)) result = PresentSwapChain(swapChain.Get(), surface.Get());
    if (SUCCEEDED(result)) {
        ++framesPresented_;
    } else if (IsDeviceGone(result)) {
        PaintFrameWithGDI();
    }
    // The scheduler's thread goes on whatever became of one frame.
    return S_OK;
}

HRESULT D3DPresentEngine::PresentSwapChain(IDirect3DSwapChain9* swapChain, IDirect3DSurface9* surface) {
    HWND window = nullptr;
    RECT destination{};
    {
        CriticalSectionLock hold(lock_);
        window = window_;
        destination = destination_;
        if (window == nullptr) return MF_E_INVALIDREQUEST;
        // Copied while its sample is still out of the pool, and before a
        // paint through its DC leaves it in system memory only.
        KeepForGrab(surface);
        if (paintWithGdi_) return PaintSurface(surface, window, destination);
    }
    // Present stretches the frame, at the video's own size, into the
    // destination; outside the lock, since it may wait for the display.
    return swapChain->Present(nullptr, &destination, window, nullptr, 0);
}

HRESULT D3DPresentEngine::PaintSurface(IDirect3DSurface9* surface, HWND window, const RECT& destination) {
    D3DSURFACE_DESC description{};
    HRESULT result = surface->GetDesc(&description);
    if (FAILED(result)) return result;
    const fw::WindowDC windowDc(window);
    if (windowDc.Get() == nullptr) return E_FAIL;
    HDC surfaceDc = nullptr;
    if (FAILED(result = surface->GetDC(&surfaceDc))) return result;
    SetStretchBltMode(windowDc.Get(), COLORONCOLOR);
    const BOOL drawn = StretchBlt(windowDc.Get(), destination.left, destination.top,
                                  destination.right - destination.left, destination.bottom - destination.top,
                                  surfaceDc, 0, 0, static_cast<int>(description.Width),
                                  static_cast<int>(description.Height), SRCCOPY);
    surface->ReleaseDC(surfaceDc);
    return drawn ? S_OK : E_FAIL;
}

void D3DPresentEngine::PaintFrameWithGDI() {
    const HWND window = VideoWindow();
    const RECT destination = DestinationRect();
    const fw::WindowDC dc(window);
    const fw::Brush black(CreateSolidBrush(RGB(0, 0, 0)));
    if (dc.Get() != nullptr && black) FillRect(dc.Get(), &destination, black.Get());
}

HRESULT D3DPresentEngine::GrabFrame(BYTE** pixels, UINT width, UINT height) {
    if (pixels == nullptr) return E_POINTER;
    *pixels = nullptr;
    const uint64_t bytes = GrabAllocationBytes(width, height);
    if (bytes == 0) return E_INVALIDARG;

    // One grab at a time: they share the memory DC and its bitmap.
    CriticalSectionLock hold(lock_);
    if (!grabCopyHolds_) return MF_E_INVALIDREQUEST;
    HRESULT result = CopyToGrabBuffer(grabCopy_.Get(), width, height);
    if (FAILED(result)) return result;

    BYTE* buffer = static_cast<BYTE*>(CoTaskMemAlloc(static_cast<SIZE_T>(bytes)));
    if (buffer == nullptr) return E_OUTOFMEMORY;
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = static_cast<LONG>(width);
    info.bmiHeader.biHeight = static_cast<LONG>(height);  // bottom-up
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    if (GetDIBits(grabDc_.Get(), grabBitmap_.Get(), 0, height, buffer, &info, DIB_RGB_COLORS) !=
        static_cast<int>(height)) {
        CoTaskMemFree(buffer);
        return E_FAIL;
    }
    *pixels = buffer;
    return S_OK;
}

// Under the lock. A frame that cannot be copied leaves nothing to grab
// rather than an older frame.
void D3DPresentEngine::KeepForGrab(IDirect3DSurface9* surface) {
    grabCopyHolds_ = false;
    fw::ComPtr<IDirect3DDevice9> device;
    if (!grabCopy_ || FAILED(grabCopy_->GetDevice(device.Put()))) return;
    grabCopyHolds_ = SUCCEEDED(device->StretchRect(surface, nullptr, grabCopy_.Get(), nullptr, D3DTEXF_NONE));
}

HRESULT D3DPresentEngine::CopyToGrabBuffer(IDirect3DSurface9* surface, UINT width, UINT height) {
    D3DSURFACE_DESC description{};
    HRESULT result = surface->GetDesc(&description);
    if (FAILED(result)) return result;
    HDC surfaceDc = nullptr;
    result = surface->GetDC(&surfaceDc);
    if (FAILED(result)) return result;
    BOOL copied = FALSE;
    {
        // The bitmap leaves the DC again before GetDIBits reads it.
        const fw::SelectedObject selected(grabDc_.Get(), grabBitmap_.Get());
        SetStretchBltMode(grabDc_.Get(), COLORONCOLOR);
        copied = StretchBlt(grabDc_.Get(), 0, 0, static_cast<int>(width), static_cast<int>(height), surfaceDc, 0, 0,
                            static_cast<int>(description.Width), static_cast<int>(description.Height), SRCCOPY);
    }
    surface->ReleaseDC(surfaceDc);
    return copied ? S_OK : E_FAIL;
}
