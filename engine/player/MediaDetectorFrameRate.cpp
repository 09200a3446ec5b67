// The frame rate of a movie without a usable sample table, from the
// platform's media detector.

#include <windows.h>

#include <ole2.h>
#include <dshow.h>
#include <qedit.h>

#include <cstddef>

#include "CheckHResult.h"
#include "PlaybackBackend.h"
#include "framework/ComPtr.h"

namespace {

constexpr double kUnitsPerSecond = 10000000.0;

// The rate from a video format block: only a block of the video kinds,
// long enough to hold the frame time, and a frame time above 0.
double RateFromFormat(const AM_MEDIA_TYPE& type) {
    const bool videoFormat = type.formattype == FORMAT_VideoInfo || type.formattype == FORMAT_VideoInfo2;
    constexpr size_t kFrameTimeEnd = offsetof(VIDEOINFOHEADER, AvgTimePerFrame) + sizeof(REFERENCE_TIME);
    if (!videoFormat || type.pbFormat == nullptr || type.cbFormat < kFrameTimeEnd) return 0.0;
    const REFERENCE_TIME frameTime = reinterpret_cast<const VIDEOINFOHEADER*>(type.pbFormat)->AvgTimePerFrame;
    return frameTime > 0 ? kUnitsPerSecond / static_cast<double>(frameTime) : 0.0;
}

void FreeMediaTypeFields(AM_MEDIA_TYPE& type) {
    CoTaskMemFree(type.pbFormat);
    if (type.pUnk != nullptr) type.pUnk->Release();
}

// The rate of the detector's current stream; 0 when it is not video or
// tells none.
double StreamRate(IMediaDet* detector) {
    GUID major = GUID_NULL;
    if (FAILED(detector->get_StreamType(&major)) || major != MEDIATYPE_Video) return 0.0;
    double rate = 0.0;
    if (SUCCEEDED(detector->get_FrameRate(&rate)) && rate > 0.0) return rate;
    AM_MEDIA_TYPE type{};
    if (FAILED(detector->get_StreamMediaType(&type))) return 0.0;
    rate = RateFromFormat(type);
    FreeMediaTypeFields(type);
    return rate;
}

}  // namespace

bool DetectFrameRateByMediaDetector(const std::wstring& path, double& rate) {
    fw::ComPtr<IMediaDet> detector;
    if (!CheckHResult(CoCreateInstance(CLSID_MediaDet, nullptr, CLSCTX_INPROC_SERVER, IID_IMediaDet,
                                       reinterpret_cast<void**>(detector.Put())))) {
        return false;
    }
    BSTR name = SysAllocStringLen(path.data(), static_cast<UINT>(path.size()));
    const bool named = CheckHResult(detector->put_Filename(name)) != 0;
    SysFreeString(name);
    long streams = 0;
    if (!named || !CheckHResult(detector->get_OutputStreams(&streams))) return false;
    for (long stream = 0; stream < streams; ++stream) {
        if (!CheckHResult(detector->put_CurrentStream(stream))) return false;
        const double found = StreamRate(detector.Get());
        if (found > 0.0) {
            rate = found;
            return true;
        }
    }
    return false;
}
