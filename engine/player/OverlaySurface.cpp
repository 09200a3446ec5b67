#include "OverlaySurface.h"

#include "PlaybackMath.h"

namespace {

constexpr COLORREF kTextColour = RGB(0, 255, 0);
constexpr COLORREF kKeyColour = RGB(0, 0, 0);

}  // namespace

OverlaySurface::~OverlaySurface() {
    if (dc_ == nullptr) return;
    SelectObject(dc_, previous_);
    DeleteDC(dc_);
}

bool OverlaySurface::Create(HWND window) {
    HDC windowDc = GetDC(window);
    if (windowDc == nullptr) return false;
    dc_ = CreateCompatibleDC(windowDc);
    bitmap_.Reset(CreateCompatibleBitmap(windowDc, kOverlayWidth, kOverlayHeight));
    ReleaseDC(window, windowDc);
    if (dc_ == nullptr || !bitmap_) return false;
    previous_ = SelectObject(dc_, bitmap_.Get());
    return previous_ != nullptr;
}

RECT OverlaySurface::Bounds() const { return RECT{0, 0, kOverlayWidth, kOverlayHeight}; }

bool OverlaySurface::DrawText(const wchar_t* text, HFONT font) {
    if (dc_ == nullptr) return false;
    HGDIOBJ oldFont = font ? SelectObject(dc_, font) : nullptr;
    RECT bounds = Bounds();
    FillRect(dc_, &bounds, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    SetBkColor(dc_, kKeyColour);
    SetTextColor(dc_, kTextColour);
    ::DrawTextW(dc_, text, -1, &bounds, DT_WORDBREAK);
    if (oldFont != nullptr) SelectObject(dc_, oldFont);
    return true;
}
