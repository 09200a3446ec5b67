#include "panels/CInfoDlg.h"

#include "framework/DeviceContext.h"
#include "framework/Handles.h"
#include "panels/PanelMessages.h"
#include "ui/core/UiTextTable.h"
#include "ui/drawing/COffScreenDC.h"
#include "ui/drawing/CResourceImage.h"
#include "ui/shared/UiFonts.h"

namespace {

constexpr int kToggleStrip = 217;
constexpr int kPanelBackground = 201;
constexpr int kCornerImage = 190;
constexpr int kCornerWidth = 30;
constexpr int kCornerHeight = 20;
constexpr int kFirstAxisLabelSlot = 65;
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kButtonKey = RGB(255, 0, 255);  // never painted in layout 0, so the toggles show
constexpr COLORREF kAxisColours[3] = {0x00FF00, 0x0000FF, 0xFF8080};
constexpr wchar_t kSpeedUnit[] = L"km/h";

// Toggle k: 12 x 12 at (26 + 120k, 30).
RECT ToggleRect(int k) { return {26 + 120 * k, 30, 38 + 120 * k, 42}; }

RECT Rect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }

void DrawTextIn(HDC dc, const std::wstring& text, RECT r, UINT format) {
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
}

}  // namespace

CInfoDlg::~CInfoDlg() {
    if (surface_ != nullptr && surfaceFont_ != nullptr && surface_->GetDC() != nullptr) {
        SelectObject(surface_->GetDC(), surfaceFont_);
    }
}

const fw::MessageMap& CInfoDlg::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnMessage(WM_ERASEBKGND, &CInfoDlg::OnEraseBkgnd),
        fw::OnCommandRange(kFirstToggleId, kFirstToggleId + kToggleCount - 1, &CInfoDlg::OnToggleButton),
    });
    return map;
}

BOOL CInfoDlg::OnInitDialog() {
    for (int k = 0; k < kToggleCount; ++k) {
        toggles_[k].CreateFromBitmap(kToggleStrip, 0, ToggleRect(k), Handle(), kFirstToggleId + k);
        toggles_[k].SetFont(g_fontNormal);
        toggles_[k].Show(SW_SHOW);
        toggles_[k].latched = 1;
    }
    return TRUE;
}

void CInfoDlg::SetSurface(COffScreenDC* surface, const CResourceImage* skin) {
    skin_ = skin;
    if (surface_ != nullptr && surfaceFont_ != nullptr && surface_->GetDC() != nullptr) {
        SelectObject(surface_->GetDC(), surfaceFont_);
    }
    surface_ = surface;
    surfaceFont_ = nullptr;
    if (surface_ == nullptr || surface_->GetDC() == nullptr) {
        return;
    }
    SetBkMode(surface_->GetDC(), TRANSPARENT);
    SetTextColor(surface_->GetDC(), kWhite);
    surfaceFont_ = SelectObject(surface_->GetDC(), g_fontMedium);
}

LRESULT CInfoDlg::OnEraseBkgnd(const fw::Message& m) {
    DrawPanel(reinterpret_cast<HDC>(m.wParam));
    return TRUE;
}

LRESULT CInfoDlg::OnToggleButton(const fw::Message& m) {
    const int k = m.CommandId() - kFirstToggleId;
    CSkinButton& toggle = toggles_[k];
    toggle.latched = toggle.latched ? 0 : 1;
    toggle.Invalidate();
    PostMessageW(Parent(), WM_APP_INFO_TOGGLE, static_cast<WPARAM>(k), toggle.latched);
    return 0;
}

BOOL CInfoDlg::DrawPanel(HDC target) {
    const RECT client = ClientRect();
    const HDC surface = surface_ != nullptr ? surface_->GetDC() : nullptr;
    if (surface == nullptr || IsRectEmpty(&client)) {
        return 0;
    }
    FillRect(surface, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    const SkinImage* background = skin_ != nullptr ? skin_->Image(kPanelBackground) : nullptr;
    if (background != nullptr) {
        const fw::SelectedObject image(skin_->SkinDC(), background->Gdi());
        SetStretchBltMode(surface, COLORONCOLOR);
        StretchBlt(surface, 0, 0, client.right, client.bottom, skin_->SkinDC(), 0, 0, background->Width(),
                   background->Height(), SRCCOPY);
    }
    switch (layoutMode) {
    case 0: {
        DrawContents(surface);
        const fw::Brush key(CreateSolidBrush(kButtonKey));
        for (int k = 0; k < kToggleCount; ++k) {
            const RECT r = ToggleRect(k);
            FillRect(surface, &r, key.Get());
        }
        return TransparentBlt(target, 0, 0, client.right, client.bottom, surface, 0, 0, client.right, client.bottom,
                              kButtonKey);
    }
    case 1:
        DrawContents(surface);
        return BitBlt(target, 0, 0, client.right, client.bottom, surface, 0, 0, SRCCOPY);
    default: {
        const fw::WindowDC parent(Parent());
        if (parent.Get() != nullptr) {
            DrawContents(parent.Get());
        }
        return 1;
    }
    }
}

void CInfoDlg::DrawContents(HDC dc) {
    const RECT client = ClientRect();
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, kWhite);
    const fw::SelectedObject font(dc, g_fontNormal);
    switch (layoutMode) {
    case 0:
        DrawLayout0(dc, client);
        break;
    case 1:
        DrawLayout1(dc, client);
        break;
    default:
        DrawStatusLine(dc);
        ShowToggles(false);
        break;
    }
}

void CInfoDlg::DrawLayout0(HDC dc, const RECT& client) {
    const int w = client.right;
    const int h = client.bottom;
    DrawGValues(dc, g_fontMedium, 26, 25, 22, 120, 22, 58, 18, 22);
    ShowToggles(true);
    SetTextColor(dc, kWhite);
    const fw::SelectedObject font(dc, g_fontMedium);
    if (!DrawDateTime(dc, Rect(w - 202, 3, w - 12, 22), DT_RIGHT) && skin_ != nullptr) {
        skin_->DrawStateImage(dc, Rect(w - 201, 4, w - 12, 23), 0);
    }
    DrawTextIn(dc, speedText, Rect(w - 330, 3, w - 200, 30), 0);
    if (skin_ != nullptr) {
        if (qualityCode >= 1 && qualityCode <= 6) {
            skin_->DrawIndexedImage(dc, Rect(394, 30, 454, 50), qualityCode - 1);
        }
        skin_->DrawOnOffImage(dc, Rect(454, 30, 514, 50), TRUE);
        skin_->DrawMarkImage(dc, Rect(514, 30, 574, 50), gpsValid);
    }
    const RECT speedArea = Rect(574, h - 21, 652, h);
    if (!DrawSpeed(dc, speedArea, 30, 4, g_fontNormal) && skin_ != nullptr) {
        skin_->DrawStateImageRight(dc, speedArea, 0);
    }
}

void CInfoDlg::DrawLayout1(HDC dc, const RECT& client) {
    const int w = client.right;
    DrawGValues(dc, g_fontHuge, 40, 40, 40, 240, 10, 98, 31, 0);
    SetTextColor(dc, kWhite);
    const fw::SelectedObject font(dc, g_fontHuge);
    if (!DrawDateTime(dc, Rect(40, 0, 350, 45), DT_LEFT) && skin_ != nullptr) {
        skin_->DrawStateImage(dc, Rect(42, 9, 350, 45), 1);
    }
    if (!DrawSpeed(dc, Rect(w - 190, 20, w - 42, 65), 70, 0, g_fontHuge) && skin_ != nullptr) {
        skin_->DrawStateImageRight(dc, Rect(w - 190, 29, w - 22, 55), 1);
    }
    DrawTextIn(dc, speedText, Rect(440, 0, 640, 60), 0);
    if (skin_ != nullptr) {
        if (qualityCode >= 1 && qualityCode <= 6) {
            skin_->DrawIndexedImage(dc, Rect(680, 80, 740, 100), qualityCode - 1);
        }
        skin_->DrawOnOffImage(dc, Rect(740, 80, 800, 100), TRUE);
        skin_->DrawMarkImage(dc, Rect(800, 80, 860, 100), gpsValid);
    }
    ShowToggles(false);
}

void CInfoDlg::DrawGValues(HDC dc, HFONT font, int x, int y, int rowOffset, int columnStep, int valueX,
                           int valueWidth, int valueHeight, int labelX) {
    const fw::SelectedObject selected(dc, font);
    const double values[3] = {gx, gy, gz};
    for (int a = 0; a < 3; ++a) {
        SetTextColor(dc, kAxisColours[a]);
        const int labelLeft = x + labelX + a * columnStep;
        DrawTextIn(dc, UiText(kFirstAxisLabelSlot + a), Rect(labelLeft, y, labelLeft + 150, y + 40), 0);
        const int left = x + valueX + a * columnStep;
        const RECT value = Rect(left, y + rowOffset, left + valueWidth, y + rowOffset + valueHeight);
        if (const auto text = GValueText(values[a])) {
            DrawTextIn(dc, *text, value, DT_RIGHT | DT_SINGLELINE);
        } else if (layoutMode < 2 && skin_ != nullptr) {
            skin_->DrawGValueImage(dc, value, layoutMode, a);
        }
    }
}

BOOL CInfoDlg::DrawDateTime(HDC dc, const RECT& r, UINT format) {
    if (!dateTimeFlag || frameIndex < 0) {
        return FALSE;
    }
    const auto text = DateTimeText(startTime, frameIndex, frameDuration);
    if (!text) {
        return FALSE;
    }
    DrawTextIn(dc, *text, r, format);
    return TRUE;
}

BOOL CInfoDlg::DrawSpeed(HDC dc, const RECT& r, int numberMargin, int unitOffset, HFONT unitFont) {
    const auto number = SpeedText(gpsValid, speed);
    if (number) {
        DrawTextIn(dc, *number, Rect(r.left, r.top, r.right - numberMargin, r.bottom), DT_RIGHT);
    }
    const fw::SelectedObject font(dc, unitFont);
    DrawTextIn(dc, kSpeedUnit, Rect(r.left, r.top + unitOffset, r.right, r.bottom + unitOffset), DT_RIGHT);
    return number ? TRUE : FALSE;
}

// Drawn on the buffer and copied, so the strip is cleared with the window's
// own background before each tick's texts.
void CInfoDlg::DrawStatusLine(HDC target) {
    const HDC surface = surface_ != nullptr ? surface_->GetDC() : nullptr;
    const RECT r = ParentClient();
    if (surface == nullptr || skin_ == nullptr || IsRectEmpty(&r)) {
        return;
    }
    const RECT strip = Rect(r.left + 370, r.bottom - 34, r.right, r.bottom - 4);
    skin_->DrawBackground(surface, r);
    SetTextColor(surface, kWhite);
    const fw::SelectedObject font(surface, g_fontLarge);
    DrawTextIn(surface, speedText, Rect(strip.left, strip.top, strip.left + 150, strip.bottom), 0);
    const RECT date = Rect(strip.left + 170, strip.top, strip.left + 420, strip.bottom);
    if (!DrawDateTime(surface, date, 0)) {
        skin_->DrawStateImage(surface, date, 2);
    }
    if (!DrawSpeed(surface, Rect(strip.left + 350, strip.top, strip.left + 570, strip.bottom), 60, 0, g_fontLarge)) {
        skin_->DrawStateImageRight(surface, Rect(strip.left + 350, strip.top, strip.left + 502, strip.bottom), 2);
    }
    BitBlt(target, strip.left, strip.top, strip.right - strip.left - 160, strip.bottom - strip.top, surface,
           strip.left, strip.top, SRCCOPY);
}

void CInfoDlg::DrawCornerImage(HDC target) {
    const HDC surface = surface_ != nullptr ? surface_->GetDC() : nullptr;
    const RECT r = ParentClient();
    if (surface == nullptr || skin_ == nullptr) {
        return;
    }
    skin_->DrawBackground(surface, r);
    const int x = r.right - 155;
    const int y = r.bottom - 30;
    if (DrawSkinImage(surface, kCornerImage, x, y)) {
        BitBlt(target, x, y, kCornerWidth, kCornerHeight, surface, x, y, SRCCOPY);
    }
}

bool CInfoDlg::DrawSkinImage(HDC dc, int id, int x, int y) const {
    const SkinImage* image = skin_->Image(id);
    if (image == nullptr || skin_->SkinDC() == nullptr) {
        return false;
    }
    const fw::SelectedObject selected(skin_->SkinDC(), image->Gdi());
    return TransparentBlt(dc, x, y, image->Width(), image->Height(), skin_->SkinDC(), 0, 0, image->Width(),
                          image->Height(), RGB(0, 0, 0)) != FALSE;
}

void CInfoDlg::Reset() {
    speed = kNoSpeed;
    gx = gy = gz = kNoGValue;
    frameIndex = -1;
    gpsValid = 0;
    qualityCode = 0;
    Redraw(RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void CInfoDlg::ShowToggles(bool shown) const {
    for (const CSkinButton& toggle : toggles_) {
        if (toggle.Handle() != nullptr && toggle.IsVisible() != shown) {
            toggle.Show(shown ? SW_SHOW : SW_HIDE);
        }
    }
}

RECT CInfoDlg::ParentClient() const {
    RECT r{};
    GetClientRect(Parent(), &r);
    return r;
}
