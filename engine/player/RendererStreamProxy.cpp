#include "RendererStreamProxy.h"

#include <new>

HRESULT RendererStreamProxy::Create(IMFMediaSink* renderer, IMFStreamSink** proxy) {
    if (renderer == nullptr || proxy == nullptr) return E_POINTER;
    *proxy = nullptr;
    fw::ComPtr<IMFStreamSink> stream;
    HRESULT hr = renderer->GetStreamSinkByIndex(0, stream.Put());
    if (FAILED(hr)) return hr;
    auto* made = new (std::nothrow) RendererStreamProxy(stream);
    if (made == nullptr) return E_OUTOFMEMORY;
    *proxy = made;
    return S_OK;
}

STDMETHODIMP RendererStreamProxy::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IMFMediaEventGenerator) || iid == __uuidof(IMFStreamSink)) {
        *object = static_cast<IMFStreamSink*>(this);
    } else if (iid == __uuidof(IMFGetService)) {
        *object = static_cast<IMFGetService*>(this);
    } else {
        return inner_->QueryInterface(iid, object);
    }
    AddRef();
    return S_OK;
}

STDMETHODIMP_(ULONG) RendererStreamProxy::AddRef() { return static_cast<ULONG>(++references_); }

STDMETHODIMP_(ULONG) RendererStreamProxy::Release() {
    const long count = --references_;
    if (count == 0) delete this;
    return static_cast<ULONG>(count);
}

STDMETHODIMP RendererStreamProxy::GetService(REFGUID service, REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    *object = nullptr;
    if (service == MR_VIDEO_ACCELERATION_SERVICE && iid == __uuidof(IMFVideoSampleAllocator)) return E_NOINTERFACE;
    return MFGetService(inner_.Get(), service, iid, object);
}

STDMETHODIMP RendererStreamProxy::ProcessSample(IMFSample* sample) {
    if (sample == nullptr || SampleIsOnSurface(sample)) return inner_->ProcessSample(sample);
    fw::ComPtr<IMFSample> onSurface;
    // A frame that cannot be copied still goes on, so that the session's
    // clock and end of stream are kept; only its picture is lost.
    if (FAILED(upload_.Upload(sample, onSurface))) return inner_->ProcessSample(sample);
    return inner_->ProcessSample(onSurface.Get());
}
