#pragma once

#include <mfobjects.h>

#include "CriticalSection.h"
#include "core/ComPtrList.h"

using VideoSampleList = MediaFoundationSamples::ComPtrList<IMFSample>;

// The free video samples of the current media type. Samples taken out are
// counted until they come back, so the presenter knows when the last frame
// has been shown.
class SamplePool {
public:
    SamplePool() = default;
    virtual ~SamplePool();
    SamplePool(const SamplePool&) = delete;
    SamplePool& operator=(const SamplePool&) = delete;

    // Queues every sample of the list; MF_E_INVALIDREQUEST when already
    // initialised. A failure leaves the pool empty and uninitialised.
    HRESULT Initialize(VideoSampleList& samples);
    // The front sample with one reference for the caller;
    // MF_E_SAMPLEALLOCATOR_EMPTY when none is free.
    HRESULT TakeSample(IMFSample** sample);
    HRESULT ReturnSample(IMFSample* sample);
    void Clear();
    // Initialised, with samples taken out and not yet returned.
    bool AreSamplesPending();

private:
    CriticalSection lock_;
    VideoSampleList freeSamples_;
    bool initialized_ = false;
    DWORD taken_ = 0;
};
