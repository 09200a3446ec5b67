#include <evcode.h>
#include <mferror.h>

#include "EVRCustomPresenter.h"
#include "PresenterGuids.h"

namespace {

// How long closing the output gate waits for a loop already let through.
constexpr DWORD kGateDrainMs = 1000;

// Clears a sample's desired time: the call drops every attribute, so the
// presenter's two are read first and written back.
HRESULT ClearDesiredTime(IMFSample* sample, IMFDesiredSample* desired) {
    UINT32 token = 0;
    fw::ComPtr<IUnknown> swapChain;
    HRESULT result = sample->GetUINT32(SampleCounterAttribute, &token);
    if (SUCCEEDED(result)) {
        result = sample->GetUnknown(SampleSwapChainAttribute, __uuidof(IUnknown),
                                    reinterpret_cast<void**>(swapChain.Put()));
    }
    desired->Clear();
    if (SUCCEEDED(result)) result = sample->SetUINT32(SampleCounterAttribute, token);
    if (SUCCEEDED(result)) result = sample->SetUnknown(SampleSwapChainAttribute, swapChain.Get());
    return result;
}

LONGLONG CorrelatedTime(IMFClock* clock) {
    LONGLONG clockTime = 0;
    MFTIME systemTime = 0;
    clock->GetCorrelatedTime(0, &clockTime, &systemTime);
    return clockTime;
}

}  // namespace

void EVRCustomPresenter::SetOutputGate(bool open) {
    outputGate_ = open;
    if (open) return;
    // A loop let through just before may still be asking the mixer for a
    // frame; the stop the caller is about to give must not meet it.
    const ULONGLONG deadline = GetTickCount64() + kGateDrainMs;
    while (gatedLoops_ != 0 && GetTickCount64() < deadline) SwitchToThread();
}

void EVRCustomPresenter::GatedOutputLoop() {
    ++gatedLoops_;
    if (outputGate_) ProcessOutputLoop(true);
    --gatedLoops_;
}

void EVRCustomPresenter::ProcessOutputLoop(bool gated) {
    HRESULT result = S_OK;
    while (sampleNotify_ && (!gated || outputGate_)) {
        result = ProcessOutput();
        if (result != S_OK) break;
    }
    if (!sampleNotify_ || result == MF_E_TRANSFORM_NEED_MORE_INPUT) CheckEndOfStream();
}

HRESULT EVRCustomPresenter::ProcessOutput() {
    // Stopped or paused, the presenter shows one frame and no more.
    if (renderState_ != RenderState::Started && !repaint_ && prerolled_) return S_FALSE;
    if (!mixer_) return MF_E_INVALIDREQUEST;
    if (!mediaType_) {
        const HRESULT result = RenegotiateMediaType();
        if (FAILED(result)) return result;
    }

    fw::ComPtr<IMFSample> sample;
    bool reused = false;
    HRESULT result = TakeOutputSample(&sample, &reused);
    if (result != S_OK) return result;

    const bool repaint = repaint_;
    LONGLONG mixStart = 0;
    result = PrepareOutputSample(sample.Get(), repaint, &mixStart);
    if (FAILED(result)) return result;

    // Both the mixer and the renderer's event sink are called without the
    // lock: after either, the frame may belong to a flushed or released
    // presenter.
    const OutputGeneration generation = CurrentGeneration();
    result = MixOutsideLock(sample.Get());
    if (FAILED(result)) return HandleMixerFailure(result, sample.Get(), reused, generation);
    if (!IsCurrent(generation)) return DropStaleFrame(sample.Get(), reused, generation);

    if (clock_ && !repaint) {
        LONGLONG latency = CorrelatedTime(clock_.Get()) - mixStart;
        Notify(EC_PROCESSING_LATENCY, reinterpret_cast<LONG_PTR>(&latency), 0);
        if (!IsCurrent(generation)) return DropStaleFrame(sample.Get(), reused, generation);
    }
    // A sample reused while it is still out keeps the callback it has: a
    // second one is refused, and it will come back anyway.
    if (!reused) result = TrackSampleReturn(sample.Get());
    if (SUCCEEDED(result)) {
        const bool ordinary = frameStep_.state == FrameStepState::None || repaint;
        result = ordinary ? DeliverSample(sample.Get(), repaint) : DeliverFrameStepSample(sample.Get());
    }
    if (SUCCEEDED(result)) prerolled_ = true;
    return result;
}

HRESULT EVRCustomPresenter::MixOutsideLock(IMFSample* sample) {
    const fw::ComPtr<IMFTransform> mixer = mixer_;
    MFT_OUTPUT_DATA_BUFFER output{};
    output.pSample = sample;
    DWORD status = 0;
    HRESULT result = S_OK;
    {
        // The mixer asks the renderer for input under the renderer's lock,
        // which the renderer holds while it calls the clock methods here:
        // holding the presenter's lock across the call, the two threads
        // could wait on each other for good.
        const CriticalSectionRelease released(lock_);
        result = mixer->ProcessOutput(0, 1, &output, &status);
    }
    if (output.pEvents != nullptr) output.pEvents->Release();
    return result;
}

EVRCustomPresenter::OutputGeneration EVRCustomPresenter::CurrentGeneration() const {
    return {tokenCounter_, flushCount_, inputNotifies_};
}

bool EVRCustomPresenter::IsCurrent(const OutputGeneration& generation) const {
    return !IsShutdown() && generation.token == tokenCounter_ && generation.flushes == flushCount_;
}

HRESULT EVRCustomPresenter::DropStaleFrame(IMFSample* sample, bool reused, const OutputGeneration& generation) {
    // The sample goes back to a pool that still takes it; a reused one is
    // still out and comes back by itself.
    if (!reused && !IsShutdown() && generation.token == tokenCounter_) samplePool_.ReturnSample(sample);
    return S_FALSE;
}

HRESULT EVRCustomPresenter::TakeOutputSample(fw::ComPtr<IMFSample>* sample, bool* reused) {
    const HRESULT result = samplePool_.TakeSample(sample->Put());
    if (SUCCEEDED(result)) {
        lastOutputSample_ = *sample;
        return S_OK;
    }
    if (result != MF_E_SAMPLEALLOCATOR_EMPTY) return result;
    // Both samples are out: a repaint draws into the one shown last, any
    // other output waits for a sample to come back.
    if (!repaint_ || !lastOutputSample_) return S_FALSE;
    *sample = lastOutputSample_;
    *reused = true;
    return S_OK;
}

HRESULT EVRCustomPresenter::PrepareOutputSample(IMFSample* sample, bool repaint, LONGLONG* mixStart) {
    fw::ComPtr<IMFDesiredSample> desired;
    const HRESULT result =
        sample->QueryInterface(__uuidof(IMFDesiredSample), reinterpret_cast<void**>(desired.Put()));
    if (FAILED(result)) return result;
    if (repaint) {
        desired->SetDesiredSampleTimeAndDuration(0, scheduler_.FrameDuration());
        repaint_ = false;
        return S_OK;
    }
    if (clock_) *mixStart = CorrelatedTime(clock_.Get());
    return ClearDesiredTime(sample, desired.Get());
}

HRESULT EVRCustomPresenter::HandleMixerFailure(HRESULT failure, IMFSample* sample, bool reused,
                                               const OutputGeneration& generation) {
    // Only a sample taken from the pool goes back; a reused one is still out.
    if (!reused) {
        const HRESULT result = samplePool_.ReturnSample(sample);
        if (FAILED(result)) return result;
    }
    switch (failure) {
    case MF_E_TRANSFORM_TYPE_NOT_SET:
        return RenegotiateMediaType();
    case MF_E_TRANSFORM_STREAM_CHANGE:
        SetMediaType(nullptr);
        break;
    case MF_E_TRANSFORM_NEED_MORE_INPUT:
        // Input announced while the mixer was asked finds no other loop to
        // take it (the one it started had no free sample): ask again.
        if (generation.inputNotifies != inputNotifies_) return S_OK;
        sampleNotify_ = false;
        break;
    }
    return failure;
}

HRESULT EVRCustomPresenter::TrackSampleReturn(IMFSample* sample) {
    fw::ComPtr<IMFTrackedSample> tracked;
    const HRESULT result =
        sample->QueryInterface(__uuidof(IMFTrackedSample), reinterpret_cast<void**>(tracked.Put()));
    if (FAILED(result)) return result;
    return tracked->SetAllocator(&sampleFreeCallback_, nullptr);
}

HRESULT EVRCustomPresenter::DeliverSample(IMFSample* sample, bool repaint) {
    const bool presentNow = renderState_ != RenderState::Started || rate_ == 0.0f || repaint;
    bool reset = false;
    HRESULT result = presentEngine_->TestDevice(&reset);
    if (SUCCEEDED(result)) {
        // An immediate present needs only the engine: the preroll frame comes
        // before the scheduler's thread starts, a repaint after it ended.
        if (presentNow || !scheduler_.HasClock()) {
            presentEngine_->PresentSample(sample, 0);
        } else {
            result = scheduler_.QueueSample(sample);
        }
        if (reset) Notify(EC_DISPLAY_CHANGED, 0, 0);
    }
    if (FAILED(result)) Notify(EC_ERRORABORT, result, 0);
    return result;
}

HRESULT EVRCustomPresenter::OnSampleFree(IMFAsyncResult* asyncResult) {
    fw::ComPtr<IUnknown> object;
    fw::ComPtr<IMFSample> sample;
    HRESULT result = asyncResult->GetObject(object.Put());
    if (SUCCEEDED(result)) {
        result = object->QueryInterface(__uuidof(IMFSample), reinterpret_cast<void**>(sample.Put()));
    }
    CriticalSectionLock hold(lock_);
    if (SUCCEEDED(result)) {
        CompleteFrameStep(sample.Get());
        // After shutdown, and for a sample of an older media type, the
        // sample is only let go.
        UINT32 token = 0;
        if (!IsShutdown() && SUCCEEDED(sample->GetUINT32(SampleCounterAttribute, &token)) &&
            token == tokenCounter_) {
            result = samplePool_.ReturnSample(sample.Get());
            if (SUCCEEDED(result)) GatedOutputLoop();
        }
    }
    if (FAILED(result)) Notify(EC_ERRORABORT, result, 0);
    return result;
}

void EVRCustomPresenter::Flush() {
    ++flushCount_;
    prerolled_ = false;
    scheduler_.Flush();
    frameStep_.samples.Clear();
    if (renderState_ == RenderState::Stopped) presentEngine_->PresentSample(nullptr, 0);
}

void EVRCustomPresenter::CheckEndOfStream() {
    if (!endOfStream_ || sampleNotify_) return;
    // The last output sample is held only for repaints; held past the end
    // it would never come back, and the stream would never be complete.
    lastOutputSample_.Reset();
    if (samplePool_.AreSamplesPending()) return;
    Notify(EC_COMPLETE, S_OK, 0);
    endOfStream_ = false;
}

void EVRCustomPresenter::ReleaseResources() {
    ++tokenCounter_;
    lastOutputSample_.Reset();
    Flush();
    samplePool_.Clear();
    presentEngine_->ReleaseVideoResources();
}
