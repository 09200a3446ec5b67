#include <windows.h>
// GDI+ needs the COM declarations that the lean Windows headers leave out.
#include <objidl.h>
#include <gdiplus.h>

#include "PlaybackBackend.h"
#include "platform/JpegEncoder.h"

namespace {

constexpr ULONG kJpegQuality = 90;
constexpr wchar_t kPartSuffix[] = L".part";

}  // namespace

bool WriteSnapshotJpeg(const CapturedImage& image, const std::wstring& path) {
    const size_t stride = static_cast<size_t>(image.width) * 4;
    if (image.width <= 0 || image.height <= 0 || image.pixels.size() < stride * static_cast<size_t>(image.height)) {
        return false;
    }
    CLSID encoder{};
    if (GetJpegEncoderClsid(&encoder) < 0) return false;
    // Rows bottom-up: the first row shown is the last one stored.
    BYTE* top = const_cast<BYTE*>(image.pixels.data()) + stride * static_cast<size_t>(image.height - 1);
    Gdiplus::Bitmap bitmap(image.width, image.height, -static_cast<INT>(stride), PixelFormat32bppRGB, top);
    if (bitmap.GetLastStatus() != Gdiplus::Ok) return false;

    ULONG quality = kJpegQuality;
    Gdiplus::EncoderParameters parameters{};
    parameters.Count = 1;
    parameters.Parameter[0].Guid = Gdiplus::EncoderQuality;
    parameters.Parameter[0].Type = Gdiplus::EncoderParameterValueTypeLong;
    parameters.Parameter[0].NumberOfValues = 1;
    parameters.Parameter[0].Value = &quality;
    // Written aside first, so a failed save neither leaves half a file nor
    // spoils the one it was to replace.
    const std::wstring part = path + kPartSuffix;
    if (bitmap.Save(part.c_str(), &encoder, &parameters) != Gdiplus::Ok) {
        DeleteFileW(part.c_str());
        return false;
    }
    if (!MoveFileExW(part.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING)) {
        DeleteFileW(part.c_str());
        return false;
    }
    return true;
}
