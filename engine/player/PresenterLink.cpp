#include "PresenterLink.h"

#include "CMFActivate.h"

HRESULT AttachPresenterActivation(IMFActivate* rendererActivate, fw::ComPtr<IMFActivate>& presenterActivation) {
    presenterActivation.Reset();
    CMFActivate* made = nullptr;
    HRESULT hr = CMFActivate::CreateInstance(&made);
    if (FAILED(hr)) return hr;
    fw::ComPtr<IMFActivate> activation = fw::ComPtr<IMFActivate>::Adopt(made);
    hr = rendererActivate->SetUnknown(MF_ACTIVATE_CUSTOM_VIDEO_PRESENTER_ACTIVATE, activation.Get());
    if (FAILED(hr)) return hr;
    presenterActivation = activation;
    return S_OK;
}

EVRCustomPresenter* ActivePresenter(IMFActivate* presenterActivation) {
    // Only this file makes the activation objects the player holds.
    return presenterActivation ? static_cast<CMFActivate*>(presenterActivation)->Presenter() : nullptr;
}

void SetPresenterOutputGate(IMFActivate* presenterActivation, bool open) {
    // The activation object forgets its presenter when it is shut down or
    // detached: then there is no gate to set.
    EVRCustomPresenter* presenter = ActivePresenter(presenterActivation);
    if (presenter != nullptr) presenter->SetOutputGate(open);
}

long PresenterObjectsLive() { return PresenterObjectsAlive(); }
