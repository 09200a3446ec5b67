#pragma once

#include <windows.h>

#include <ole2.h>
#include <evr.h>
#include <mfidl.h>

#include <mutex>

#include "framework/ComPtr.h"

// Copies a decoded frame held in plain memory into a Direct3D surface sample
// of the video renderer's own stream. The renderer's mixer draws only from
// surfaces: a frame in memory would leave the picture black.
class SurfaceFrameUpload {
public:
    explicit SurfaceFrameUpload(fw::ComPtr<IMFStreamSink> stream) : stream_(std::move(stream)) {}

    // The frame on a surface, with the sample's times and flags; fails when
    // the frame cannot be copied (an unknown layout, no free surface).
    HRESULT Upload(IMFSample* frame, fw::ComPtr<IMFSample>& onSurface);

private:
    HRESULT ReadyAllocator(fw::ComPtr<IMFMediaType>& type);

    fw::ComPtr<IMFStreamSink> stream_;
    std::mutex lock_;
    fw::ComPtr<IMFVideoSampleAllocator> allocator_;
    fw::ComPtr<IMFMediaType> allocatorType_;
};

// True when the sample's first buffer already is a Direct3D surface.
bool SampleIsOnSurface(IMFSample* sample);
