#include <windows.h>

#include <cwchar>

#include "OverlayFont.h"

namespace {

constexpr int kOverlayPoints = 42;
constexpr int kBold = 700;

}  // namespace

HFONT__* CreateOverlayFont(HWND__* window, const wchar_t* faceName) {
    HDC dc = GetDC(window);
    if (dc == nullptr) return nullptr;
    LOGFONTW font{};
    font.lfHeight = -MulDiv(kOverlayPoints, GetDeviceCaps(dc, LOGPIXELSY), 72);
    font.lfWeight = kBold;
    font.lfCharSet = SHIFTJIS_CHARSET;
    font.lfPitchAndFamily = FIXED_PITCH;
    if (faceName) std::wcsncpy(font.lfFaceName, faceName, LF_FACESIZE - 1);
    ReleaseDC(window, dc);
    return CreateFontIndirectW(&font);
}

void DeleteOverlayFont(HFONT__* font) {
    if (font) DeleteObject(font);
}
