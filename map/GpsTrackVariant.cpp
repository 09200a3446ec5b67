#include "map/GpsTrackVariant.h"

OleVariant ToVariant(const GpsTrackArray& track) {
    const size_t count = track.ElementCount();
    if (count > MAXLONG) {
        return {};
    }
    SAFEARRAY* array = SafeArrayCreateVector(VT_VARIANT, 0, static_cast<ULONG>(count));
    if (array == nullptr) {
        return {};
    }
    OleVariant result = OleVariant::AdoptArray(array);
    VARIANT* elements = nullptr;
    if (FAILED(SafeArrayAccessData(array, reinterpret_cast<void**>(&elements)))) {
        return {};
    }
    for (size_t i = 0; i < count; ++i) {
        const GpsTrackElement element = track.Element(i);
        if (element.isReal) {
            elements[i].vt = VT_R8;
            elements[i].dblVal = element.real;
        } else {
            elements[i].vt = VT_I4;
            elements[i].lVal = element.integer;
        }
    }
    SafeArrayUnaccessData(array);
    return result;
}
