#pragma once

#include <mfidl.h>

#include "framework/ComPtr.h"

namespace MediaFoundationSamples {

// Holds one media type.
class MediaType {
public:
    MediaType() = default;
    virtual ~MediaType() = default;
    MediaType(const MediaType&) = delete;
    MediaType& operator=(const MediaType&) = delete;

    // Replaces the held type with a new empty one.
    virtual HRESULT CreateEmptyType();
    IMFMediaType* Get() const { return type_.Get(); }

protected:
    fw::ComPtr<IMFMediaType> type_;
};

// A media type whose major type is video from the start.
class VideoType : public MediaType {
public:
    HRESULT CreateEmptyType() override;
};

}  // namespace MediaFoundationSamples
