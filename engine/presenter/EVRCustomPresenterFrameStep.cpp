#include <evcode.h>

#include "EVRCustomPresenter.h"

HRESULT EVRCustomPresenter::StartFrameStep() {
    HRESULT result = S_OK;
    if (frameStep_.state == FrameStepState::WaitingStart) {
        frameStep_.state = FrameStepState::Pending;
        while (SUCCEEDED(result) && !frameStep_.samples.IsEmpty() && frameStep_.state == FrameStepState::Pending) {
            fw::ComPtr<IMFSample> sample;
            result = frameStep_.samples.RemoveFront(sample.Put());
            if (SUCCEEDED(result)) result = DeliverFrameStepSample(sample.Get());
        }
    } else if (frameStep_.state == FrameStepState::None) {
        // Frames kept while a step waited for the clock are shown as usual.
        while (SUCCEEDED(result) && !frameStep_.samples.IsEmpty()) {
            fw::ComPtr<IMFSample> sample;
            result = frameStep_.samples.RemoveFront(sample.Put());
            if (SUCCEEDED(result)) result = DeliverSample(sample.Get(), false);
        }
    }
    return result;
}

HRESULT EVRCustomPresenter::DeliverFrameStepSample(IMFSample* sample) {
    // Scrubbing drops frames the clock has already passed.
    if (rate_ == 0.0f && clock_) {
        LONGLONG time = 0;
        LONGLONG duration = 0;
        LONGLONG clockTime = 0;
        MFTIME systemTime = 0;
        if (SUCCEEDED(sample->GetSampleTime(&time)) && SUCCEEDED(sample->GetSampleDuration(&duration)) &&
            SUCCEEDED(clock_->GetCorrelatedTime(0, &clockTime, &systemTime)) && time + duration < clockTime) {
            return S_OK;
        }
    }
    if (frameStep_.state == FrameStepState::Scheduled || frameStep_.state == FrameStepState::Complete) {
        return frameStep_.samples.InsertBack(sample);
    }
    if (frameStep_.steps > 0) --frameStep_.steps;
    if (frameStep_.steps > 0) return S_OK;
    if (frameStep_.state == FrameStepState::WaitingStart) return frameStep_.samples.InsertBack(sample);

    const HRESULT result = DeliverSample(sample, false);
    if (FAILED(result)) return result;
    fw::ComPtr<IUnknown> identity;
    sample->QueryInterface(__uuidof(IUnknown), reinterpret_cast<void**>(identity.Put()));
    frameStep_.sampleIdentity = identity.Get();
    frameStep_.state = FrameStepState::Scheduled;
    return S_OK;
}

HRESULT EVRCustomPresenter::CancelFrameStep() {
    const FrameStepState old = frameStep_.state;
    frameStep_.state = FrameStepState::None;
    frameStep_.steps = 0;
    frameStep_.sampleIdentity = nullptr;
    if (old == FrameStepState::WaitingStart || old == FrameStepState::Pending || old == FrameStepState::Scheduled) {
        Notify(EC_STEP_COMPLETE, TRUE, 0);
    }
    return S_OK;
}

// The step is complete once its frame, shown, comes back.
void EVRCustomPresenter::CompleteFrameStep(IMFSample* sample) {
    if (frameStep_.state != FrameStepState::Scheduled) return;
    fw::ComPtr<IUnknown> identity;
    sample->QueryInterface(__uuidof(IUnknown), reinterpret_cast<void**>(identity.Put()));
    if (identity.Get() != frameStep_.sampleIdentity) return;
    frameStep_.state = FrameStepState::Complete;
    frameStep_.sampleIdentity = nullptr;
    Notify(EC_STEP_COMPLETE, FALSE, 0);
    if (rate_ != 0.0f) return;
    LONGLONG time = 0;
    if (FAILED(sample->GetSampleTime(&time)) && clock_) {
        MFTIME systemTime = 0;
        clock_->GetCorrelatedTime(0, &time, &systemTime);
    }
    Notify(EC_SCRUB_TIME, static_cast<LONG_PTR>(static_cast<DWORD>(time)),
           static_cast<LONG_PTR>(static_cast<DWORD>(static_cast<ULONGLONG>(time) >> 32)));
}
