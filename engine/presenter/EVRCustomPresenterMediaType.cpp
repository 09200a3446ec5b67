#include <mfapi.h>
#include <mferror.h>

#include "EVRCustomPresenter.h"
#include "PresenterGuids.h"

namespace {

MFVideoArea AreaAtOrigin(UINT32 width, UINT32 height) {
    MFVideoArea area{};
    area.Area.cx = static_cast<LONG>(width);
    area.Area.cy = static_cast<LONG>(height);
    return area;
}

// The part of a proposed type's frame that is meant to be seen: the
// pan-and-scan aperture when enabled, else the minimum display aperture,
// else the geometric one, else the whole frame.
HRESULT GetVideoDisplayArea(IMFMediaType* type, MFVideoArea* area) {
    UINT32 width = 0;
    UINT32 height = 0;
    HRESULT result = MFGetAttributeSize(type, MF_MT_FRAME_SIZE, &width, &height);
    if (FAILED(result)) return result;
    const GUID* apertures[] = {&MF_MT_MINIMUM_DISPLAY_APERTURE, &MF_MT_GEOMETRIC_APERTURE};
    if (MFGetAttributeUINT32(type, MF_MT_PAN_SCAN_ENABLED, FALSE)) {
        result = type->GetBlob(MF_MT_PAN_SCAN_APERTURE, reinterpret_cast<UINT8*>(area), sizeof *area, nullptr);
        if (result != MF_E_ATTRIBUTENOTFOUND) return result;
    }
    for (const GUID* aperture : apertures) {
        result = type->GetBlob(*aperture, reinterpret_cast<UINT8*>(area), sizeof *area, nullptr);
        if (result != MF_E_ATTRIBUTENOTFOUND) return result;
    }
    *area = AreaAtOrigin(width, height);
    return S_OK;
}

HRESULT SetArea(IMFMediaType* type, REFGUID key, const MFVideoArea& area) {
    return type->SetBlob(key, reinterpret_cast<const UINT8*>(&area), sizeof area);
}

}  // namespace

HRESULT EVRCustomPresenter::RenegotiateMediaType() {
    if (!mixer_) return MF_E_INVALIDREQUEST;
    for (DWORD index = 0;; ++index) {
        fw::ComPtr<IMFMediaType> proposed;
        const HRESULT result = mixer_->GetOutputAvailableType(0, index, proposed.Put());
        if (FAILED(result)) return result;
        if (SUCCEEDED(TryOutputType(proposed.Get()))) return S_OK;
    }
}

HRESULT EVRCustomPresenter::TryOutputType(IMFMediaType* proposed) {
    HRESULT result = IsMediaTypeSupported(proposed);
    fw::ComPtr<IMFMediaType> optimal;
    if (SUCCEEDED(result)) result = CreateOptimalVideoType(proposed, optimal.Put());
    if (SUCCEEDED(result)) result = mixer_->SetOutputType(0, optimal.Get(), MFT_SET_TYPE_TEST_ONLY);
    if (SUCCEEDED(result)) result = SetMediaType(optimal.Get());
    if (FAILED(result)) return result;
    result = mixer_->SetOutputType(0, optimal.Get(), 0);
    // No half-set type survives the mixer refusing it for real.
    if (FAILED(result)) SetMediaType(nullptr);
    return result;
}

HRESULT EVRCustomPresenter::IsMediaTypeSupported(IMFMediaType* type) {
    BOOL compressed = TRUE;
    HRESULT result = type->IsCompressedFormat(&compressed);
    if (FAILED(result)) return result;
    if (compressed) return MF_E_INVALIDMEDIATYPE;
    GUID subtype{};
    result = type->GetGUID(MF_MT_SUBTYPE, &subtype);
    if (FAILED(result)) return result;
    result = presentEngine_->CheckFormat(static_cast<D3DFORMAT>(subtype.Data1));
    if (FAILED(result)) return result;
    if (MFGetAttributeUINT32(type, MF_MT_INTERLACE_MODE, MFVideoInterlace_Unknown) != MFVideoInterlace_Progressive) {
        return MF_E_INVALIDMEDIATYPE;
    }
    UINT32 width = 0;
    UINT32 height = 0;
    return MFGetAttributeSize(type, MF_MT_FRAME_SIZE, &width, &height);
}

HRESULT EVRCustomPresenter::CreateOptimalVideoType(IMFMediaType* proposed, IMFMediaType** optimal) {
    if (proposed == nullptr || optimal == nullptr) return E_POINTER;
    const uint64_t aspect = pixelAspect_;
    HRESULT result = MFSetAttributeRatio(proposed, MF_MT_PIXEL_ASPECT_RATIO, static_cast<UINT32>(aspect >> 32),
                                         static_cast<UINT32>(aspect));
    if (SUCCEEDED(result) && !presentEngine_->HasDestination()) {
        MFVideoArea area{};
        result = GetVideoDisplayArea(proposed, &area);
    }
    const std::pair<const GUID*, UINT32> colour[] = {
        {&MF_MT_YUV_MATRIX, MFVideoTransferMatrix_BT709},    {&MF_MT_TRANSFER_FUNCTION, MFVideoTransFunc_709},
        {&MF_MT_VIDEO_PRIMARIES, MFVideoPrimaries_BT709},    {&MF_MT_VIDEO_NOMINAL_RANGE, MFNominalRange_16_235},
        {&MF_MT_VIDEO_LIGHTING, MFVideoLighting_dim},
    };
    for (const auto& [key, value] : colour) {
        if (SUCCEEDED(result)) result = proposed->SetUINT32(*key, value);
    }

    // The output keeps the video's own size; Present scales it into the
    // destination.
    UINT32 width = 0;
    UINT32 height = 0;
    if (SUCCEEDED(result)) result = MFGetAttributeSize(proposed, MF_MT_FRAME_SIZE, &width, &height);
    if (FAILED(result)) return result;
    videoSize_ = (uint64_t{width} << 32) | height;
    const MFVideoArea whole = AreaAtOrigin(width, height);
    result = MFSetAttributeSize(proposed, MF_MT_FRAME_SIZE, width, height);
    if (SUCCEEDED(result)) result = proposed->SetUINT32(MF_MT_PAN_SCAN_ENABLED, FALSE);
    if (SUCCEEDED(result)) result = SetArea(proposed, MF_MT_GEOMETRIC_APERTURE, whole);
    if (SUCCEEDED(result)) result = SetArea(proposed, MF_MT_PAN_SCAN_APERTURE, whole);
    if (SUCCEEDED(result)) result = SetArea(proposed, MF_MT_MINIMUM_DISPLAY_APERTURE, whole);
    if (FAILED(result)) return result;
    proposed->AddRef();
    *optimal = proposed;
    return S_OK;
}

HRESULT EVRCustomPresenter::SetMediaType(IMFMediaType* type) {
    if (type == nullptr) {
        mediaType_.Reset();
        ReleaseResources();
        return S_OK;
    }
    if (IsShutdown()) return MF_E_SHUTDOWN;
    DWORD flags = 0;
    if (mediaType_ && mediaType_->IsEqual(type, &flags) == S_OK) return S_OK;

    mediaType_.Reset();
    ReleaseResources();
    const HRESULT result = FillPool(type);
    if (FAILED(result)) {
        ReleaseResources();
        return result;
    }
    UINT32 numerator = 0;
    UINT32 denominator = 0;
    MFGetAttributeRatio(type, MF_MT_FRAME_RATE, &numerator, &denominator);
    const Ratio frameRate = FrameRateOrDefault(numerator, denominator);
    UINT64 frameDuration = 0;
    MFFrameRateToAverageTimePerFrame(frameRate.x, frameRate.y, &frameDuration);
    scheduler_.SetFrameDuration(static_cast<LONGLONG>(frameDuration));
    mediaType_ = type;
    return S_OK;
}

HRESULT EVRCustomPresenter::FillPool(IMFMediaType* type) {
    VideoSampleList samples;
    HRESULT result = presentEngine_->CreateVideoSamples(type, &samples);
    for (auto* node = samples.Front(); SUCCEEDED(result) && node != samples.Anchor(); node = node->next) {
        result = node->item->SetUINT32(SampleCounterAttribute, tokenCounter_);
    }
    if (SUCCEEDED(result)) result = samplePool_.Initialize(samples);
    return result;
}
