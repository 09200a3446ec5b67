#include "MediaType.h"

#include <mfapi.h>

namespace MediaFoundationSamples {

HRESULT MediaType::CreateEmptyType() {
    type_.Reset();
    return MFCreateMediaType(type_.Put());
}

HRESULT VideoType::CreateEmptyType() {
    const HRESULT result = MediaType::CreateEmptyType();
    if (FAILED(result)) return result;
    return type_->SetGUID(MF_MT_MAJOR_TYPE, MFMediaType_Video);
}

}  // namespace MediaFoundationSamples
