#include "ui/drawing/CResourceImage.h"

#include "framework/DeviceContext.h"

namespace {

constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr int kCellWidth = 60;  // the panel's cells for lamps and marks

// Images before the brushes, in load order, with the colour that partial
// alpha is blended onto.
struct ImageLoad {
    int id;
    COLORREF background;
};

constexpr ImageLoad kImagesBeforeBrushes[] = {
    {129, kWhite}, {164, kBlack}, {324, kBlack}, {172, kBlack}, {173, kBlack}, {320, kBlack}, {307, kBlack},
    {309, kBlack}, {321, kBlack}, {325, kBlack}, {312, kBlack}, {198, kWhite}, {199, kWhite}, {196, kWhite},
    {197, kWhite}, {192, kWhite}, {195, kWhite}, {193, kWhite}, {194, kWhite},
};

constexpr ImageLoad kImagesAfterBrushes[] = {
    {201, kWhite}, {207, kWhite}, {206, kWhite}, {218, kWhite}, {202, kWhite}, {209, kWhite}, {210, kWhite},
    {208, kWhite}, {203, kWhite}, {204, kWhite}, {205, kWhite}, {213, kWhite}, {211, kWhite}, {219, kWhite},
    {212, kWhite},
};

constexpr ImageLoad kImagesAfterIcon[] = {{190, kBlack}, {214, kBlack}, {215, kBlack}};

constexpr int kNeedleMaskId = 313;
constexpr int kIconId = 171;
constexpr int kQualityImages[] = {198, 199, 196, 197, 192, 195};
constexpr int kGValueImages[2][3] = {{209, 210, 208}, {203, 204, 205}};
constexpr int kDateImages[] = {206, 202, 218};
constexpr int kSpeedImages[] = {211, 212, 219};

bool InRange(int value, int count) {
    return value >= 0 && value < count;
}

}  // namespace

CResourceImage::~CResourceImage() {
    if (canvasDC_ && previousCanvasBitmap_ != nullptr) {
        SelectObject(canvasDC_.Get(), previousCanvasBitmap_);
    }
}

int CResourceImage::LoadImages(HWND mainWindow) {
    const fw::WindowDC windowDC(mainWindow);
    if (windowDC.Get() != nullptr) {
        skinDC_ = fw::MemoryDC(windowDC.Get());
        SetBkMode(skinDC_.Get(), TRANSPARENT);
        SetBkColor(skinDC_.Get(), kBlack);
        canvasDC_ = fw::MemoryDC(windowDC.Get());
        canvasBitmap_.Reset(CreateCompatibleBitmap(windowDC.Get(), kCanvasWidth, kCanvasHeight));
        if (canvasDC_ && canvasBitmap_) {
            previousCanvasBitmap_ = SelectObject(canvasDC_.Get(), canvasBitmap_.Get());
        }
    }
    const HINSTANCE module = GetModuleHandleW(nullptr);
    for (const ImageLoad& image : kImagesBeforeBrushes) {
        Load(module, image.id, image.background);
    }
    for (fw::Brush& brush : brushes_) {
        brush.Reset(CreateSolidBrush(kWhite));
    }
    for (const ImageLoad& image : kImagesAfterBrushes) {
        Load(module, image.id, image.background);
    }
    needleMask_.Reset(LoadBitmapW(module, MAKEINTRESOURCEW(kNeedleMaskId)));
    icon_ = LoadIconW(module, MAKEINTRESOURCEW(kIconId));
    for (const ImageLoad& image : kImagesAfterIcon) {
        Load(module, image.id, image.background);
    }
    return 1;
}

void CResourceImage::Load(HINSTANCE module, int id, COLORREF background) {
    images_[id] = SkinImage::FromBitmapResource(module, id, background);
}

const SkinImage* CResourceImage::Image(int id) const {
    const auto found = images_.find(id);
    return found != images_.end() && found->second.Loaded() ? &found->second : nullptr;
}

void CResourceImage::Blit(HDC dc, int id, int x, int y, int width, int height) const {
    const SkinImage* image = Image(id);
    if (image == nullptr || !skinDC_) {
        return;
    }
    const fw::SelectedObject selected(skinDC_.Get(), image->Gdi());
    SetStretchBltMode(dc, COLORONCOLOR);
    TransparentBlt(dc, x, y, width, height, skinDC_.Get(), 0, 0, image->Width(), image->Height(), kBlack);
}

void CResourceImage::DrawBackground(HDC dc, const RECT& r) const {
    Blit(dc, 129, 0, 0, r.right - r.left, r.bottom - r.top);
}

void CResourceImage::DrawIndexedImage(HDC dc, const RECT& r, int index) const {
    const SkinImage* sizing = Image(kQualityImages[0]);
    if (Image(129) == nullptr || sizing == nullptr || !InRange(index, 6) || !skinDC_) {
        return;
    }
    const SkinImage* image = Image(kQualityImages[index]);
    if (image == nullptr) {
        return;
    }
    const fw::SelectedObject selected(skinDC_.Get(), image->Gdi());
    SetStretchBltMode(dc, COLORONCOLOR);
    BitBlt(dc, r.left, r.top, sizing->Width(), sizing->Height(), skinDC_.Get(), 0, 0, SRCCOPY);
}

void CResourceImage::DrawOnOffImage(HDC dc, const RECT& r, BOOL on) const {
    const int id = on ? 193 : 194;
    if (const SkinImage* image = Image(id)) {
        Blit(dc, id, r.left + (kCellWidth - image->Width()) / 2, r.top, image->Width(), image->Height());
    }
}

void CResourceImage::DrawMarkImage(HDC dc, const RECT& r, BOOL shown) const {
    const SkinImage* image = Image(172);
    if (shown && image != nullptr) {
        Blit(dc, 172, r.left + (kCellWidth - image->Width()) / 2, r.top, image->Width(), image->Height());
    }
}

void CResourceImage::DrawGValueImage(HDC dc, const RECT& r, int kind, int state) const {
    if (!InRange(kind, 2) || !InRange(state, 3)) {
        return;
    }
    Blit(dc, kGValueImages[kind][state], r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void CResourceImage::DrawStateImage(HDC dc, const RECT& r, int state) const {
    if (!InRange(state, 3)) {
        return;
    }
    if (const SkinImage* image = Image(kDateImages[state])) {
        Blit(dc, kDateImages[state], r.left, r.top, image->Width(), image->Height());
    }
}

void CResourceImage::DrawStateImageRight(HDC dc, const RECT& r, int state) const {
    if (!InRange(state, 3)) {
        return;
    }
    const SkinImage* image = Image(kSpeedImages[state]);
    if (image == nullptr) {
        return;
    }
    // Only the widest layout's placeholder sits flush right.
    const int x = state == 2 ? r.right - image->Width() : r.left;
    Blit(dc, kSpeedImages[state], x, r.top, image->Width(), image->Height());
}
