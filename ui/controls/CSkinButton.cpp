#include "ui/controls/CSkinButton.h"

#include "framework/DeviceContext.h"
#include "framework/Handles.h"
#include "ui/core/SkinButtonImage.h"

namespace {

constexpr int kImageGrowth = 4;

}  // namespace

const fw::MessageMap& CSkinButton::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Button::GetMessageMap(), {
        fw::OnReflected(WM_DRAWITEM, &CSkinButton::OnDrawItem),
        fw::OnMessage(WM_MOUSEHOVER, &CSkinButton::OnMouseHover),
        fw::OnMessage(WM_MOUSEMOVE, &CSkinButton::OnMouseMove),
        fw::OnMessage(WM_MOUSELEAVE, &CSkinButton::OnMouseLeave),
    });
    return map;
}

void CSkinButton::PreCreateWindow(CREATESTRUCTW& create) {
    create.style |= BS_OWNERDRAW;
}

BOOL CSkinButton::CreateFromBitmap(WORD bitmapId, DWORD extraStyle, const RECT& rect, HWND parent, UINT id) {
    imageWidth_ = rect.right - rect.left;
    imageHeight_ = rect.bottom - rect.top;
    fw::WindowArgs args;
    args.parent = parent;
    args.id = static_cast<int>(id);
    args.rect = rect;
    args.style = WS_CHILD | extraStyle | BS_OWNERDRAW;
    args.text = L"button";
    if (!Create(args)) {
        return FALSE;
    }
    LoadStrip(bitmapId);
    return TRUE;
}

void CSkinButton::LoadStrip(WORD bitmapId) {
    // The mask is what makes black transparent: without ILC_MASK the
    // list keeps black opaque.
    images_.Create(imageWidth_, imageHeight_, ILC_COLOR32 | ILC_MASK, 0, kImageGrowth);
    const fw::Bitmap strip(LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(bitmapId)));
    if (strip) {
        images_.AddMasked(strip.Get(), RGB(0, 0, 0));
    }
}

void CSkinButton::ChangeBitmap(WORD bitmapId) {
    reloading_ = 1;
    LoadStrip(bitmapId);
    reloading_ = 0;
}

void CSkinButton::DrawItem(const DRAWITEMSTRUCT& item) {
    if (reloading_) {
        return;
    }
    SetBkMode(item.hDC, TRANSPARENT);
    const fw::Brush fill(CreateSolidBrush(kFillColour));
    FillRect(item.hDC, &item.rcItem, fill.Get());
    const SkinButtonImage image = ChooseSkinButtonImage((item.itemState & ODS_DISABLED) != 0,
                                                        (item.itemState & (ODS_SELECTED | ODS_CHECKED)) != 0,
                                                        latched != 0, hovering_);
    images_.DrawEx(image, item.hDC, 0, 0, imageWidth_, imageHeight_, ILD_TRANSPARENT);
}

LRESULT CSkinButton::OnDrawItem(const fw::Message& m) {
    DrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(m.lParam));
    return TRUE;
}

LRESULT CSkinButton::OnMouseMove(const fw::Message& m) {
    tracking_.hwndTrack = Handle();
    TrackMouseEvent(&tracking_);
    return Default(m);
}

LRESULT CSkinButton::OnMouseHover(const fw::Message& m) {
    if (!reloading_ && !latched) {
        hovering_ = true;
        const fw::WindowDC dc(Handle());
        images_.Draw(kSkinImageHover, dc.Get(), 0, 0, ILD_TRANSPARENT);
    }
    return Default(m);
}

LRESULT CSkinButton::OnMouseLeave(const fw::Message& m) {
    hovering_ = false;
    Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    return Default(m);
}
