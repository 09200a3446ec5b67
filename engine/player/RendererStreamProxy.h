#pragma once

#include <windows.h>

#include <ole2.h>
#include <evr.h>
#include <mfidl.h>

#include <atomic>

#include "SurfaceFrameUpload.h"
#include "framework/ComPtr.h"

// The video renderer's stream as the session sees it on Wine: every call
// goes to the renderer's own stream, except that the stream offers the
// session no sample allocator. Wine's session, given one, lets a sample
// handed back during its close reach a topology the close has freed; without
// one it gives the video plain memory samples, which the proxy copies onto
// the renderer's surfaces, since its mixer draws only from those.
class RendererStreamProxy final : public IMFStreamSink, public IMFGetService {
public:
    // The proxy of the first stream of an activated renderer, holding one
    // reference for the caller.
    static HRESULT Create(IMFMediaSink* renderer, IMFStreamSink** proxy);

    STDMETHODIMP QueryInterface(REFIID iid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;

    STDMETHODIMP GetEvent(DWORD flags, IMFMediaEvent** event) override { return inner_->GetEvent(flags, event); }
    STDMETHODIMP BeginGetEvent(IMFAsyncCallback* callback, IUnknown* state) override {
        return inner_->BeginGetEvent(callback, state);
    }
    STDMETHODIMP EndGetEvent(IMFAsyncResult* result, IMFMediaEvent** event) override {
        return inner_->EndGetEvent(result, event);
    }
    STDMETHODIMP QueueEvent(MediaEventType type, REFGUID extended, HRESULT status, const PROPVARIANT* value) override {
        return inner_->QueueEvent(type, extended, status, value);
    }
    STDMETHODIMP GetMediaSink(IMFMediaSink** sink) override { return inner_->GetMediaSink(sink); }
    STDMETHODIMP GetIdentifier(DWORD* identifier) override { return inner_->GetIdentifier(identifier); }
    STDMETHODIMP GetMediaTypeHandler(IMFMediaTypeHandler** handler) override {
        return inner_->GetMediaTypeHandler(handler);
    }
    STDMETHODIMP ProcessSample(IMFSample* sample) override;
    STDMETHODIMP PlaceMarker(MFSTREAMSINK_MARKER_TYPE type, const PROPVARIANT* value,
                             const PROPVARIANT* context) override {
        return inner_->PlaceMarker(type, value, context);
    }
    STDMETHODIMP Flush() override { return inner_->Flush(); }

    STDMETHODIMP GetService(REFGUID service, REFIID iid, void** object) override;

private:
    explicit RendererStreamProxy(fw::ComPtr<IMFStreamSink> inner) : inner_(inner), upload_(inner) {}
    ~RendererStreamProxy() = default;

    std::atomic<long> references_{1};
    fw::ComPtr<IMFStreamSink> inner_;
    SurfaceFrameUpload upload_;
};
