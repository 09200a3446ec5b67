#include "SurfaceFrameUpload.h"

#include <d3d9.h>
#include <mfapi.h>
#include <mferror.h>

namespace {

// The renderer holds a frame or two; the rest cover the decoder running ahead.
constexpr DWORD kSurfaceSamples = 4;

// The byte layout of one frame: rows of luma (or of whole pixels) and, for
// NV12, half as many rows of interleaved chroma under them.
struct FrameLayout {
    UINT32 width = 0;
    UINT32 height = 0;
    UINT32 rowBytes = 0;
    UINT32 chromaRows = 0;
};

HRESULT LayoutOf(IMFMediaType* type, FrameLayout& layout) {
    GUID subtype{};
    HRESULT hr = type->GetGUID(MF_MT_SUBTYPE, &subtype);
    if (FAILED(hr)) return hr;
    if (FAILED(hr = MFGetAttributeSize(type, MF_MT_FRAME_SIZE, &layout.width, &layout.height))) return hr;
    if (subtype == MFVideoFormat_NV12) {
        layout.rowBytes = layout.width;
        layout.chromaRows = (layout.height + 1) / 2;
        return S_OK;
    }
    if (subtype == MFVideoFormat_RGB32 || subtype == MFVideoFormat_ARGB32) {
        layout.rowBytes = layout.width * 4;
        return S_OK;
    }
    return MF_E_INVALIDMEDIATYPE;
}

// Locks a frame's bytes for reading, with the stride its rows are laid at.
class ReadLock {
public:
    ReadLock(IMFSample* frame, UINT32 rowBytes) {
        if (FAILED(frame->ConvertToContiguousBuffer(buffer_.Put()))) return;
        if (SUCCEEDED(buffer_.As(twoD_)) && SUCCEEDED(twoD_->Lock2D(&data_, &stride_))) return;
        twoD_.Reset();
        DWORD length = 0;
        if (FAILED(buffer_->Lock(&data_, nullptr, &length))) {
            data_ = nullptr;
            return;
        }
        stride_ = static_cast<LONG>(rowBytes);
        length_ = length;
    }
    ~ReadLock() {
        if (data_ == nullptr) return;
        twoD_ ? twoD_->Unlock2D() : buffer_->Unlock();
    }
    ReadLock(const ReadLock&) = delete;
    ReadLock& operator=(const ReadLock&) = delete;

    // Null when the frame holds fewer bytes than its layout needs.
    const BYTE* Rows(const FrameLayout& layout) const {
        if (data_ == nullptr || stride_ < static_cast<LONG>(layout.rowBytes)) return nullptr;
        if (twoD_) return data_;
        const uint64_t needed = static_cast<uint64_t>(stride_) * (layout.height + layout.chromaRows);
        return needed <= length_ ? data_ : nullptr;
    }
    LONG Stride() const { return stride_; }

private:
    fw::ComPtr<IMFMediaBuffer> buffer_;
    fw::ComPtr<IMF2DBuffer> twoD_;
    BYTE* data_ = nullptr;
    LONG stride_ = 0;
    uint64_t length_ = 0;
};

HRESULT CopyIntoSurface(IMFSample* target, const ReadLock& source, const FrameLayout& layout) {
    const BYTE* rows = source.Rows(layout);
    if (rows == nullptr) return MF_E_BUFFERTOOSMALL;
    fw::ComPtr<IMFMediaBuffer> buffer;
    fw::ComPtr<IDirect3DSurface9> surface;
    HRESULT hr = target->GetBufferByIndex(0, buffer.Put());
    if (SUCCEEDED(hr)) {
        hr = MFGetService(buffer.Get(), MR_BUFFER_SERVICE, __uuidof(IDirect3DSurface9),
                          reinterpret_cast<void**>(surface.Put()));
    }
    if (FAILED(hr)) return hr;
    D3DLOCKED_RECT locked{};
    if (FAILED(hr = surface->LockRect(&locked, nullptr, D3DLOCK_DISCARD))) return hr;
    auto* destination = static_cast<BYTE*>(locked.pBits);
    hr = MFCopyImage(destination, locked.Pitch, rows, source.Stride(), layout.rowBytes, layout.height);
    if (SUCCEEDED(hr) && layout.chromaRows != 0) {
        // The chroma plane follows the luma plane in both.
        hr = MFCopyImage(destination + static_cast<ptrdiff_t>(locked.Pitch) * layout.height, locked.Pitch,
                         rows + static_cast<ptrdiff_t>(source.Stride()) * layout.height, source.Stride(),
                         layout.rowBytes, layout.chromaRows);
    }
    surface->UnlockRect();
    if (FAILED(hr)) return hr;
    return buffer->SetCurrentLength(static_cast<DWORD>(layout.rowBytes * (layout.height + layout.chromaRows)));
}

}  // namespace

bool SampleIsOnSurface(IMFSample* sample) {
    fw::ComPtr<IMFMediaBuffer> buffer;
    if (FAILED(sample->GetBufferByIndex(0, buffer.Put()))) return false;
    fw::ComPtr<IDirect3DSurface9> surface;
    return SUCCEEDED(MFGetService(buffer.Get(), MR_BUFFER_SERVICE, __uuidof(IDirect3DSurface9),
                                  reinterpret_cast<void**>(surface.Put())));
}

HRESULT SurfaceFrameUpload::ReadyAllocator(fw::ComPtr<IMFMediaType>& type) {
    fw::ComPtr<IMFMediaTypeHandler> handler;
    HRESULT hr = stream_->GetMediaTypeHandler(handler.Put());
    if (SUCCEEDED(hr)) hr = handler->GetCurrentMediaType(type.Put());
    if (FAILED(hr)) return hr;
    if (!allocator_) {
        hr = MFGetService(stream_.Get(), MR_VIDEO_ACCELERATION_SERVICE, __uuidof(IMFVideoSampleAllocator),
                          reinterpret_cast<void**>(allocator_.Put()));
        if (FAILED(hr)) return hr;
    }
    if (allocatorType_.Get() == type.Get()) return S_OK;
    allocator_->UninitializeSampleAllocator();
    allocatorType_.Reset();
    if (FAILED(hr = allocator_->InitializeSampleAllocator(kSurfaceSamples, type.Get()))) return hr;
    allocatorType_ = type;
    return S_OK;
}

HRESULT SurfaceFrameUpload::Upload(IMFSample* frame, fw::ComPtr<IMFSample>& onSurface) {
    std::lock_guard<std::mutex> hold(lock_);
    fw::ComPtr<IMFMediaType> type;
    HRESULT hr = ReadyAllocator(type);
    FrameLayout layout;
    if (SUCCEEDED(hr)) hr = LayoutOf(type.Get(), layout);
    if (FAILED(hr)) return hr;
    fw::ComPtr<IMFSample> target;
    if (FAILED(hr = allocator_->AllocateSample(target.Put()))) return hr;
    {
        const ReadLock source(frame, layout.rowBytes);
        if (FAILED(hr = CopyIntoSurface(target.Get(), source, layout))) return hr;
    }
    LONGLONG time = 0;
    if (SUCCEEDED(frame->GetSampleTime(&time))) target->SetSampleTime(time);
    if (SUCCEEDED(frame->GetSampleDuration(&time))) target->SetSampleDuration(time);
    // Discontinuity and the other per-frame flags travel as attributes.
    if (FAILED(hr = frame->CopyAllItems(target.Get()))) return hr;
    onSurface = target;
    return S_OK;
}
