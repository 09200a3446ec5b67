#include "ui/drawing/SkinImage.h"

namespace {

// GDI+ hands out 32-bit bitmaps whose alpha bytes are 0xFF. TransparentBlt
// then never matches a colour key (observed under Wine); an alpha of 0
// changes nothing else, so clear it.
void ClearAlpha(HBITMAP bitmap) {
    DIBSECTION section{};
    if (GetObjectW(bitmap, sizeof(section), &section) != sizeof(section) || section.dsBm.bmBitsPixel != 32 ||
        section.dsBm.bmBits == nullptr) {
        return;
    }
    GdiFlush();
    auto* pixels = static_cast<BYTE*>(section.dsBm.bmBits);
    const size_t count = static_cast<size_t>(section.dsBm.bmWidthBytes) * section.dsBm.bmHeight / 4;
    for (size_t i = 0; i < count; ++i) {
        pixels[i * 4 + 3] = 0;
    }
}

}  // namespace

SkinImage SkinImage::FromBitmapResource(HINSTANCE module, int id, COLORREF background) {
    SkinImage skin;
    std::unique_ptr<Gdiplus::Bitmap> image(Gdiplus::Bitmap::FromResource(module, MAKEINTRESOURCEW(id)));
    // A missing id still gives an object: its status tells.
    if (!image || image->GetLastStatus() != Gdiplus::Ok) {
        return skin;
    }
    HBITMAP gdi = nullptr;
    const Gdiplus::Color colour(GetRValue(background), GetGValue(background), GetBValue(background));
    if (image->GetHBITMAP(colour, &gdi) != Gdiplus::Ok || gdi == nullptr) {
        return skin;
    }
    ClearAlpha(gdi);
    skin.image_ = std::move(image);
    skin.gdi_.Reset(gdi);
    return skin;
}
