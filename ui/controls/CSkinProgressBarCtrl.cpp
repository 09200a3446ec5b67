#include "ui/controls/CSkinProgressBarCtrl.h"

#include "ui/controls/ClientBottomArgs.h"
#include "framework/DeviceContext.h"
#include "framework/Format.h"
#include "framework/Handles.h"
#include "ui/core/ProgressBarGeometry.h"
#include "ui/shared/WindowGeometry.h"

namespace {

constexpr COLORREF kFilled = 0xFF0000;  // blue
constexpr COLORREF kEmpty = RGB(255, 255, 255);
constexpr int kTextHalfWidth = 50;

void Fill(HDC dc, const RECT& r, COLORREF colour) {
    const fw::Brush brush(CreateSolidBrush(colour));
    FillRect(dc, &r, brush.Get());
}

}  // namespace

const fw::MessageMap& CSkinProgressBarCtrl::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Window::GetMessageMap(), {
        fw::OnMessage(WM_ERASEBKGND, &CSkinProgressBarCtrl::OnEraseBkgnd),
        fw::OnMessage(WM_PAINT, &CSkinProgressBarCtrl::OnPaint),
        fw::OnMessage(WM_SETFONT, &CSkinProgressBarCtrl::OnSetFont),
        fw::OnMessage(WM_GETFONT, &CSkinProgressBarCtrl::OnGetFont),
    });
    return map;
}

BOOL CSkinProgressBarCtrl::CreateBar(HWND parent) {
    const auto args = ClientBottomArgs(parent, kControlId, kHeight, L"progress bar");
    if (!args || !Create(*args)) {
        return 0;
    }
    controlId = kControlId;
    return 1;
}

void CSkinProgressBarCtrl::PlaceAtBottom(HWND reference, HWND target) {
    const RECT r = GetRectRelativeTo(reference, target);
    MoveWindow(Handle(), r.left, r.bottom - kHeight, r.right - r.left, kHeight, TRUE);
}

LRESULT CSkinProgressBarCtrl::OnEraseBkgnd(const fw::Message& m) {
    const HDC dc = reinterpret_cast<HDC>(m.wParam);
    const RECT client = ClientRect();
    const int width = client.right;
    if (width == 0) {
        return FALSE;
    }
    const int filled = ProgressFilledWidth(position, minimum, maximum, width);
    SetBkMode(dc, TRANSPARENT);
    const RECT done{0, 0, filled, kHeight};
    const RECT rest{filled, 0, width, kHeight};
    Fill(dc, done, kFilled);
    Fill(dc, rest, kEmpty);
    const RECT box{width / 2 - kTextHalfWidth, 0, width / 2 + kTextHalfWidth, kHeight};
    // The digits change colour where the fill passes them.
    DrawPercent(dc, box, done, kEmpty);
    DrawPercent(dc, box, rest, kFilled);
    return TRUE;
}

void CSkinProgressBarCtrl::DrawPercent(HDC dc, const RECT& box, const RECT& clip, COLORREF colour) const {
    if (clip.right <= clip.left) {
        return;
    }
    const fw::Region region(CreateRectRgnIndirect(&clip));
    // RestoreDC puts back the clip region, the font and the text colour.
    const int saved = SaveDC(dc);
    SelectClipRgn(dc, region.Get());
    if (font_ != nullptr) {
        SelectObject(dc, font_);
    }
    SetTextColor(dc, colour);
    wchar_t text[16];
    fw::FormatInto(text, L"%d %%", position);
    RECT r = box;
    DrawTextW(dc, text, -1, &r, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    RestoreDC(dc, saved);
}

LRESULT CSkinProgressBarCtrl::OnPaint(const fw::Message&) {
    const fw::PaintDC paint(Handle());  // all drawing is in WM_ERASEBKGND
    return 0;
}

LRESULT CSkinProgressBarCtrl::OnSetFont(const fw::Message& m) {
    font_ = reinterpret_cast<HFONT>(m.wParam);
    if (LOWORD(m.lParam)) {
        Redraw();
    }
    return 0;
}

LRESULT CSkinProgressBarCtrl::OnGetFont(const fw::Message&) {
    return reinterpret_cast<LRESULT>(font_);
}
