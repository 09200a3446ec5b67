#include <windows.h>
// GDI+ needs the COM declarations that the lean Windows headers leave out.
#include <objidl.h>
#include <gdiplus.h>

#include <cwchar>
#include <new>
#include <vector>

#include "JpegEncoder.h"

namespace {

constexpr wchar_t kJpegMimeType[] = L"image/jpeg";

}  // namespace

int32_t GetJpegEncoderClsid(_GUID* clsid) {
    UINT count = 0;
    UINT bytes = 0;
    if (Gdiplus::DllExports::GdipGetImageEncodersSize(&count, &bytes) != Gdiplus::Ok || bytes == 0) return -1;
    // One block: the codec records first, then the strings they point into.
    std::vector<uint8_t> buffer;
    try {
        buffer.resize(bytes);
    } catch (const std::bad_alloc&) {
        return -1;
    }
    auto* codecs = reinterpret_cast<Gdiplus::ImageCodecInfo*>(buffer.data());
    if (Gdiplus::DllExports::GdipGetImageEncoders(count, bytes, codecs) != Gdiplus::Ok) return -1;
    for (UINT i = 0; i < count; ++i) {
        if (codecs[i].MimeType != nullptr && std::wcscmp(codecs[i].MimeType, kJpegMimeType) == 0) {
            *clsid = codecs[i].Clsid;
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}
