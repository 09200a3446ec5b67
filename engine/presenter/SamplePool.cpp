#include "SamplePool.h"

SamplePool::~SamplePool() {
    CriticalSectionLock hold(lock_);
    freeSamples_.Clear();
}

HRESULT SamplePool::Initialize(VideoSampleList& samples) {
    CriticalSectionLock hold(lock_);
    if (initialized_) return MF_E_INVALIDREQUEST;
    for (auto* node = samples.Front(); node != samples.Anchor(); node = node->next) {
        const HRESULT result = freeSamples_.InsertBack(node->item);
        if (FAILED(result)) {
            // Nothing half-queued stays behind for the next initialisation.
            freeSamples_.Clear();
            return result;
        }
    }
    initialized_ = true;
    return S_OK;
}

HRESULT SamplePool::TakeSample(IMFSample** sample) {
    CriticalSectionLock hold(lock_);
    if (!initialized_) return MF_E_NOT_INITIALIZED;
    if (freeSamples_.IsEmpty()) return MF_E_SAMPLEALLOCATOR_EMPTY;
    const HRESULT result = freeSamples_.RemoveFront(sample);
    if (SUCCEEDED(result)) ++taken_;
    return result;
}

HRESULT SamplePool::ReturnSample(IMFSample* sample) {
    CriticalSectionLock hold(lock_);
    if (!initialized_) return MF_E_NOT_INITIALIZED;
    const HRESULT result = freeSamples_.InsertBack(sample);
    if (SUCCEEDED(result) && taken_ > 0) --taken_;
    return result;
}

void SamplePool::Clear() {
    CriticalSectionLock hold(lock_);
    freeSamples_.Clear();
    initialized_ = false;
    taken_ = 0;
}

bool SamplePool::AreSamplesPending() {
    CriticalSectionLock hold(lock_);
    return initialized_ && taken_ > 0;
}
