#include "panels/CObdDlg.h"

#include <algorithm>
#include <vector>

#include "framework/DeviceContext.h"
#include "framework/Handles.h"
#include "panels/PanelMessages.h"
#include "ui/core/UiTextTable.h"
#include "ui/drawing/CResourceImage.h"
#include "ui/shared/UiFonts.h"

namespace {

constexpr int kCaptionSlot = 140;
constexpr BYTE kWindowAlpha = 229;
constexpr UINT kTickMs = 50;
constexpr POINT kPlaceOnParent{6, 407};  // over the information panel and the graph
constexpr int kGaugeBlockHeight = 183;   // gauge and list together
constexpr int kGaugeStep = 212;
constexpr int kGaugeLeft = 2;
constexpr int kGaugeWidth = 210;
constexpr int kGaugeHeight = 151;
constexpr int kListLeft = 17;
constexpr int kListWidth = 180;
constexpr int kListBelowGauge = 153;
constexpr int kListBottom = 400;
constexpr DWORD kListStyle = WS_CHILD | WS_VISIBLE | WS_BORDER | WS_VSCROLL | CBS_DROPDOWNLIST | CBS_NOINTEGRALHEIGHT;
constexpr int kNeedleId = 312;
constexpr COLORREF kDialKey = RGB(255, 255, 255);

// The dial each quantity's gauge is drawn on.
struct GaugeFace {
    int dialId;
};
constexpr GaugeFace GaugeDrawTable[kObdQuantityCount] = {{309}, {307}, {320}, {321}, {325}};

}  // namespace

const fw::MessageMap& CObdDlg::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnMessage(WM_TIMER, &CObdDlg::OnTimer),
        fw::OnMessage(WM_PAINT, &CObdDlg::OnPaint),
        fw::OnMessage(WM_CLOSE, &CObdDlg::OnClose),
        fw::OnCtlColor(&CObdDlg::OnCtlColor),
        fw::OnControlCommand(CBN_SELCHANGE, kFirstListId, &CObdDlg::OnListChange),
        fw::OnControlCommand(CBN_SELCHANGE, kFirstListId + 1, &CObdDlg::OnListChange),
        fw::OnControlCommand(CBN_SELCHANGE, kFirstListId + 2, &CObdDlg::OnListChange),
    });
    return map;
}

BOOL CObdDlg::OnInitDialog() {
    Send(WM_SETFONT, reinterpret_cast<WPARAM>(g_fontNormal), FALSE);
    SetText(UiText(kCaptionSlot));
    SetWindowLongPtrW(Handle(), GWL_EXSTYLE, GetWindowLongPtrW(Handle(), GWL_EXSTYLE) | WS_EX_LAYERED);
    SetLayeredWindowAttributes(Handle(), 0, kWindowAlpha, LWA_ALPHA);
    for (GaugeNeedle& needle : needles_) {
        needle.animating = 0;
    }
    placedOnce_ = 0;
    listsCreated_ = 0;
    quantities_.fill(-1);
    return TRUE;
}

void CObdDlg::Open(int width, int height) {
    PlaceOnce(width, height);
    const RECT client = ClientRect();
    gaugeTop_ = std::max(static_cast<int>(client.bottom - kGaugeBlockHeight) / 2, 1);
    CreateLists();
    for (int g = 0; g < kGauges; ++g) {
        lists_[g].SetCurSel(g);
        needles_[g].Reset(ObdRestValue(g));
        lists_[g].Enable(true);
        quantities_[g] = g;
        StartTimer(kFirstTimerId + g, kTickMs);
    }
}

// The window keeps the place the user gives it after its first showing.
void CObdDlg::PlaceOnce(int width, int height) {
    if (placedOnce_) {
        return;
    }
    RECT parent{};
    GetWindowRect(parentWindow != nullptr ? parentWindow : Parent(), &parent);
    SetPos(nullptr, parent.left + kPlaceOnParent.x, parent.top + kPlaceOnParent.y, width, height,
           SWP_NOZORDER | SWP_NOACTIVATE);
    placedOnce_ = 1;
}

void CObdDlg::CreateLists() {
    if (listsCreated_) {
        return;
    }
    for (int g = 0; g < kGauges; ++g) {
        fw::WindowArgs args;
        args.parent = Handle();
        args.id = kFirstListId + g;
        const int left = kListLeft + kGaugeStep * g;
        args.rect = {left, gaugeTop_ + kListBelowGauge, left + kListWidth, kListBottom};
        args.style = kListStyle;
        args.font = g_fontNormal;
        lists_[g].Create(args);
        for (int q = 0; q < kObdQuantityCount; ++q) {
            lists_[g].AddString(ObdQuantityName(q));
        }
    }
    listsCreated_ = 1;
}

void CObdDlg::SetValues(uint16_t throttle, uint16_t engineSpeed, uint16_t manifoldPressure, uint16_t coolant,
                        uint16_t speed) {
    values_[kObdThrottle] = ObdValue(kObdThrottle, throttle);
    values_[kObdEngineSpeed] = ObdValue(kObdEngineSpeed, engineSpeed);
    values_[kObdManifoldPressure] = ObdValue(kObdManifoldPressure, manifoldPressure);
    values_[kObdCoolantTemperature] = ObdValue(kObdCoolantTemperature, coolant);
    values_[kObdSpeed] = ObdValue(kObdSpeed, speed);
}

int CObdDlg::GetQuantityValue(int quantity) const {
    constexpr int kUnknownQuantityValue = 5;
    return IsObdQuantity(quantity) ? values_[quantity] : kUnknownQuantityValue;
}

bool CObdDlg::Playing() const {
    return engine_.PlayerEngineReady != 0 && engine_.EnginePlayState == PlayState::kPlaying;
}

void CObdDlg::UpdateListStates() {
    const bool playing = Playing();
    for (int g = 0; g < kGauges; ++g) {
        if (lists_[g].Handle() == nullptr) {
            continue;
        }
        if (playing && quantities_[g] >= 0) {
            lists_[g].Enable(false);
        } else if (!playing && !lists_[g].IsEnabled()) {
            lists_[g].Enable(true);
        }
    }
}

LRESULT CObdDlg::OnTimer(const fw::Message& m) {
    if (m.wParam < kFirstTimerId || m.wParam >= kFirstTimerId + kGauges) {
        return Default(m);
    }
    const int g = static_cast<int>(m.wParam - kFirstTimerId);
    UpdateListStates();
    const int selection = lists_[g].GetCurSel();
    if (!IsObdQuantity(selection) || !IsObdQuantity(quantities_[g])) {
        return 0;
    }
    int value = GetQuantityValue(quantities_[g]);
    ClampQuantityValue(value, quantities_[g]);
    if (needles_[g].Tick(quantities_[g], value)) {
        InvalidateRect(Handle(), nullptr, FALSE);
    }
    return 0;
}

LRESULT CObdDlg::OnListChange(const fw::Message& m) {
    const int g = m.CommandId() - kFirstListId;
    const int selection = lists_[g].GetCurSel();
    if (!IsObdQuantity(selection)) {
        return 0;
    }
    needles_[g].Reset(ObdRestValue(selection));
    if (Playing()) {
        lists_[g].Enable(false);
    }
    quantities_[g] = selection;
    StartTimer(kFirstTimerId + g, kTickMs);
    return 0;
}

LRESULT CObdDlg::OnPaint(const fw::Message&) {
    const fw::PaintDC dc(Handle());
    PaintGauges(dc.Get());
    return 0;
}

void CObdDlg::PaintGauges(HDC dc) {
    for (int g = 0; g < kGauges; ++g) {
        if (!IsObdQuantity(quantities_[g])) {
            continue;
        }
        const int left = kGaugeLeft + kGaugeStep * g;
        const RECT r{left, gaugeTop_, left + kGaugeWidth, gaugeTop_ + kGaugeHeight};
        DrawGauge(dc, quantities_[g], r, needles_[g].DrawnValue());
    }
}

// Composed on the skin's canvas and copied in one blit.
void CObdDlg::DrawGauge(HDC dc, int quantity, const RECT& r, int value) {
    const HDC canvas = skin_ != nullptr ? skin_->CanvasDC() : nullptr;
    if (canvas == nullptr || skin_->SkinDC() == nullptr) {
        return;
    }
    const RECT all{0, 0, CResourceImage::kCanvasWidth, CResourceImage::kCanvasHeight};
    FillRect(canvas, &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    if (const SkinImage* dial = skin_->Image(GaugeDrawTable[quantity].dialId)) {
        {
            const fw::SelectedObject selected(skin_->SkinDC(), dial->Gdi());
            SetStretchBltMode(canvas, COLORONCOLOR);
            TransparentBlt(canvas, 0, 0, dial->Width(), dial->Height(), skin_->SkinDC(), 0, 0, dial->Width(),
                           dial->Height(), kDialKey);
        }
        DrawNeedle(canvas, *dial, quantity, value);
    }
    BitBlt(dc, r.left, r.top, r.right - r.left, r.bottom - r.top, canvas, 0, 0, SRCCOPY);
}

void CObdDlg::DrawNeedle(HDC canvas, const SkinImage& dial, int quantity, int value) {
    if (!LoadNeedle()) {
        return;
    }
    const auto corners = NeedleCorners(dial.Width(), needle_.width, needle_.height, NeedleAngle(quantity, value));
    const NeedleSprite sprite = TurnNeedle(needle_, corners);
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), sprite.width, -sprite.height, 1, 32, BI_RGB};
    void* bits = nullptr;
    const fw::Bitmap bitmap(CreateDIBSection(canvas, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    const fw::MemoryDC spriteDC(canvas);
    if (!bitmap || bits == nullptr || !spriteDC) {
        return;
    }
    std::copy(sprite.pixels.begin(), sprite.pixels.end(), static_cast<uint32_t*>(bits));
    const fw::SelectedObject selected(spriteDC.Get(), bitmap.Get());
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    AlphaBlend(canvas, sprite.left, sprite.top, sprite.width, sprite.height, spriteDC.Get(), 0, 0, sprite.width,
               sprite.height, blend);
}

// The needle's pixels and mask, read once from the skin.
bool CObdDlg::LoadNeedle() {
    if (!needle_.pixels.empty()) {
        return true;
    }
    const SkinImage* image = skin_->Image(kNeedleId);
    if (image == nullptr || skin_->NeedleMask() == nullptr) {
        return false;
    }
    const int width = image->Width();
    const int height = image->Height();
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
    std::vector<uint32_t> pixels(static_cast<size_t>(width) * height);
    std::vector<uint32_t> mask(pixels.size());
    const fw::WindowDC screen(nullptr);
    if (GetDIBits(screen.Get(), image->Gdi(), 0, height, pixels.data(), &info, DIB_RGB_COLORS) != height ||
        GetDIBits(screen.Get(), skin_->NeedleMask(), 0, height, mask.data(), &info, DIB_RGB_COLORS) != height) {
        return false;
    }
    needle_.width = width;
    needle_.height = height;
    needle_.pixels = std::move(pixels);
    needle_.mask.assign(mask.size(), 0);
    for (size_t i = 0; i < mask.size(); ++i) {
        needle_.mask[i] = (mask[i] & 0xFFFFFFu) != 0 ? 1 : 0;
    }
    return true;
}

LRESULT CObdDlg::OnCtlColor(const fw::Message& m) {
    if (m.id == WM_CTLCOLORDLG) {
        return reinterpret_cast<LRESULT>(GetStockObject(BLACK_BRUSH));
    }
    return Default(m);
}

// The close box and Esc both end here once: the timers stop, the parent
// hears of it and the window hides.
LRESULT CObdDlg::OnClose(const fw::Message&) {
    OnCancel();
    return 0;
}

void CObdDlg::OnCancel() {
    Close();
    fw::Dialog::OnCancel();
}

void CObdDlg::Close() {
    for (int g = 0; g < kGauges; ++g) {
        StopTimer(kFirstTimerId + g);
    }
    PostMessageW(parentWindow, WM_APP_OBD_CLOSED, 0, 0);
}
