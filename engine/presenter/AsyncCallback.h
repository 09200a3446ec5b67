#pragma once

#include <mfobjects.h>

namespace MediaFoundationSamples {

// An IMFAsyncCallback embedded in its owner: it shares the owner's reference
// count and hands Invoke to one of the owner's member functions.
template <class Owner>
class AsyncCallback : public IMFAsyncCallback {
public:
    using Handler = HRESULT (Owner::*)(IMFAsyncResult* result);

    AsyncCallback(Owner* owner, Handler handler) : owner_(owner), handler_(handler) {}
    AsyncCallback(const AsyncCallback&) = delete;
    AsyncCallback& operator=(const AsyncCallback&) = delete;

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override {
        if (out == nullptr) return E_POINTER;
        if (IsEqualIID(iid, __uuidof(IUnknown)) || IsEqualIID(iid, __uuidof(IMFAsyncCallback))) {
            *out = static_cast<IMFAsyncCallback*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return owner_->AddRef(); }
    STDMETHODIMP_(ULONG) Release() override { return owner_->Release(); }

    STDMETHODIMP GetParameters(DWORD*, DWORD*) override { return E_NOTIMPL; }
    STDMETHODIMP Invoke(IMFAsyncResult* result) override { return (owner_->*handler_)(result); }

private:
    Owner* owner_;
    Handler handler_;
};

}  // namespace MediaFoundationSamples
