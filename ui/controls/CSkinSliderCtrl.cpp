#include "ui/controls/CSkinSliderCtrl.h"

#include "ui/controls/ClientBottomArgs.h"
#include "framework/Handles.h"

namespace {

constexpr COLORREF kTransparent = RGB(0, 0, 0);

}  // namespace

const fw::MessageMap& CSkinSliderCtrl::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Window::GetMessageMap(), {
        fw::OnMessage(WM_PAINT, &CSkinSliderCtrl::OnPaint),
        fw::OnMessage(WM_ERASEBKGND, &CSkinSliderCtrl::OnEraseBkgnd),
        fw::OnMessage(WM_LBUTTONDOWN, &CSkinSliderCtrl::OnLButtonDown),
        fw::OnMessage(WM_LBUTTONUP, &CSkinSliderCtrl::OnLButtonUp),
        fw::OnMessage(WM_MOUSEMOVE, &CSkinSliderCtrl::OnMouseMove),
    });
    return map;
}

BOOL CSkinSliderCtrl::CreateSlider(int id, HWND parent) {
    const auto args = ClientBottomArgs(parent, id, kHeight, L"movie slider");
    if (!args || !Create(*args)) {
        return 0;
    }
    controlId = id;
    return 1;
}

BOOL CSkinSliderCtrl::LoadSkin(int leftChannel, int rightChannel, int thumb, int pressedThumb) {
    const HINSTANCE module = GetModuleHandleW(nullptr);
    const int ids[kSkinParts] = {leftChannel, rightChannel, thumb, pressedThumb};
    for (int part = 0; part < kSkinParts; ++part) {
        skin_[part] = SkinImage::FromBitmapResource(module, ids[part], kTransparent);
    }
    const fw::WindowDC windowDC(Handle());
    if (windowDC.Get() == nullptr) {
        return FALSE;
    }
    skinDC_ = fw::MemoryDC(windowDC.Get());
    return buffer_.Create(windowDC.Get(), GetSystemMetrics(SM_CXSCREEN), skin_[kThumb].Height());
}

void CSkinSliderCtrl::PosFromX(int x) {
    const RECT window = WindowRect();
    pointerPos = SliderPosFromX(Range(), x, window.right - window.left, pointerPos);
}

void CSkinSliderCtrl::DrawSlider(HDC dc) {
    const RECT client = ClientRect();
    const int width = client.right;
    if (width == 0 || !skinDC_) {
        return;
    }
    SetStretchBltMode(dc, COLORONCOLOR);
    const SkinImage& left = skin_[kLeftChannel];
    const SkinImage& right = skin_[kRightChannel];
    const SliderChannels channels = SliderChannelSpans(Range(), position, width, left.Width(), right.Width());
    if (left.Loaded()) {
        const fw::SelectedObject selected(skinDC_.Get(), left.Gdi());
        TransparentBlt(dc, 0, 0, channels.leftTargetWidth, left.Height(), skinDC_.Get(), 0, 0,
                       channels.leftSourceWidth, left.Height(), kTransparent);
    }
    if (right.Loaded()) {
        const fw::SelectedObject selected(skinDC_.Get(), right.Gdi());
        TransparentBlt(dc, channels.rightTargetX, 0, channels.rightTargetWidth, right.Height(), skinDC_.Get(), 0, 0,
                       channels.rightSourceWidth, right.Height(), kTransparent);
    }
    const SkinImage& thumb = pressed ? skin_[kPressedThumb] : skin_[kThumb];
    if (thumb.Loaded()) {
        const int x = SliderThumbLeft(Range(), position, width, thumb.Width());
        const fw::SelectedObject selected(skinDC_.Get(), thumb.Gdi());
        StretchBlt(dc, x, client.top, thumb.Width() + 2, thumb.Height(), skinDC_.Get(), 0, 0, thumb.Width(),
                   thumb.Height(), SRCCOPY);
    }
}

BOOL CSkinSliderCtrl::PaintTo(HDC dc) {
    const RECT client = ClientRect();
    if (client.right <= 0 || client.bottom <= 0 || buffer_.GetDC() == nullptr) {
        return FALSE;
    }
    DrawSlider(buffer_.GetDC());
    BitBlt(dc, 0, 0, client.right, client.bottom, buffer_.GetDC(), 0, 0, SRCCOPY);
    return TRUE;
}

void CSkinSliderCtrl::SetPosAndRedraw(int newPosition) {
    position = newPosition;
    const fw::WindowDC dc(Handle());
    if (dc.Get() != nullptr) {
        PaintTo(dc.Get());
    }
}

LRESULT CSkinSliderCtrl::OnPaint(const fw::Message&) {
    const fw::PaintDC paint(Handle());  // all drawing is in WM_ERASEBKGND
    return 0;
}

LRESULT CSkinSliderCtrl::OnEraseBkgnd(const fw::Message& m) {
    return PaintTo(reinterpret_cast<HDC>(m.wParam));
}

bool CSkinSliderCtrl::InPressBand(int x) const {
    const RECT client = ClientRect();
    return SliderInPressBand(x, client.left, client.right);
}

void CSkinSliderCtrl::PostToParent(UINT message) const {
    PostMessageW(Parent(), message, static_cast<WPARAM>(controlId), static_cast<LPARAM>(pointerPos));
}

LRESULT CSkinSliderCtrl::OnLButtonDown(const fw::Message& m) {
    const int x = m.Point().x;
    if (enabled && InPressBand(x)) {
        PosFromX(x);
        const int thumbWidth = skin_[kThumb].Width();
        const int thumbLeft = SliderThumbLeft(Range(), position, ClientRect().right, thumbWidth);
        offThumb = SliderPressIsOffThumb(x, thumbLeft, thumbWidth) ? 1 : 0;
        pressed = 1;
        SetCapture(Handle());
        PostToParent(WM_APP_SLIDER_PRESSED);
    }
    return Default(m);
}

LRESULT CSkinSliderCtrl::OnMouseMove(const fw::Message& m) {
    if (pressed) {
        const int x = m.Point().x;
        if (!enabled) {
            ReleaseCapture();
            pressed = 0;
        } else if (InPressBand(x) && Range().Span() > 0) {
            PosFromX(x);
            PostToParent(WM_APP_SLIDER_MOVED);
        }
    }
    return Default(m);
}

LRESULT CSkinSliderCtrl::OnLButtonUp(const fw::Message& m) {
    if (pressed) {
        pressed = 0;
        ReleaseCapture();
        if (enabled) {
            PostToParent(WM_APP_SLIDER_RELEASED);
        }
    }
    return Default(m);
}
