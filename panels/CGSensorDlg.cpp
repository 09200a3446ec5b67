#include "panels/CGSensorDlg.h"

#include "panels/PanelMessages.h"
#include "ui/drawing/COffScreenDC.h"
#include "ui/shared/UiFonts.h"

namespace {

constexpr int kBackgroundIds[CGSensorDlg::kVariants] = {163, 162, 188, 189};
constexpr int kScaleBackground = 1;  // image 162 sets the graph's height
constexpr int kMarkerImageId = 176;
constexpr COLORREF kMarkerImageKey = RGB(0x14, 0x14, 0x28);
constexpr COLORREF kPositionColour = RGB(255, 255, 255);
constexpr COLORREF kLabelColour = RGB(255, 255, 255);
constexpr COLORREF kCurveColours[3] = {0x00FF00, 0x0000FF, 0xFF8080};
constexpr int kTileAlign = 5;
// Label rows stack upwards from just above the graph's foot.
constexpr int kLabelFoot = 5;
constexpr int kLabelRowHeight = 16;
constexpr int kLabelWidth = 24;

constexpr int kShadingWidth = 1000;
constexpr int kShadingSourceHeight = 300;
constexpr COLORREF kShadingColour = RGB(170, 0, 0);
constexpr BYTE kShadingAlpha = 127;

SIZE BitmapSize(HBITMAP bitmap) {
    BITMAP info{};
    if (bitmap == nullptr || GetObjectW(bitmap, sizeof info, &info) == 0) {
        return {0, 0};
    }
    return {info.bmWidth, info.bmHeight};
}

HBITMAP LoadSkinBitmap(int id) { return LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)); }

}  // namespace

// Draws what a pass hands it: curves with the merging pen of their axis,
// so crossing curves mix their colours.
class CGSensorDlg::GdiSink : public GraphSink {
public:
    GdiSink(const CGSensorDlg& graph, HDC dc, int clientHeight)
        : graph_(graph), dc_(dc), clientHeight_(clientHeight), rop_(SetROP2(dc, R2_MERGEPEN)),
          pen_(SelectObject(dc, graph.curvePens_[0].Get())) {}
    ~GdiSink() override {
        SelectObject(dc_, pen_);
        SetROP2(dc_, rop_);
    }
    GdiSink(const GdiSink&) = delete;
    GdiSink& operator=(const GdiSink&) = delete;

    void Segment(int channel, CurvePoint from, CurvePoint to) override {
        SelectObject(dc_, graph_.curvePens_[channel].Get());
        MoveToEx(dc_, from.x, from.y, nullptr);
        LineTo(dc_, to.x, to.y);
    }
    void Shade(int x, int width) override { graph_.Shade(dc_, x, width, clientHeight_); }

private:
    const CGSensorDlg& graph_;
    HDC dc_;
    int clientHeight_;
    int rop_;
    HGDIOBJ pen_;
};

CGSensorDlg::CGSensorDlg(PlayerEngine& engine)
    : fw::Dialog(kTemplateId), engine_(engine), positionPen_(CreatePen(PS_SOLID, 1, kPositionColour)),
      markerImage_(LoadSkinBitmap(kMarkerImageId)) {
    for (int v = 0; v < kVariants; ++v) {
        backgrounds_[v].Reset(LoadSkinBitmap(kBackgroundIds[v]));
    }
    for (size_t c = 0; c < curvePens_.size(); ++c) {
        curvePens_[c].Reset(CreatePen(PS_SOLID, 1, kCurveColours[c]));
    }
    for (int colour = 0; colour < kMarkerColourCount; ++colour) {
        markerPens_[colour].Reset(CreatePen(PS_SOLID, 1, MarkerColorTable[colour]));
    }
}

CGSensorDlg::~CGSensorDlg() {
    if (surface_ != nullptr && surfaceFont_ != nullptr && surface_->GetDC() != nullptr) {
        SelectObject(surface_->GetDC(), surfaceFont_);
    }
    RestoreDCs();
}

// Every bitmap leaves its DC before the members delete them.
void CGSensorDlg::RestoreDCs() {
    const std::pair<fw::MemoryDC*, HGDIOBJ> held[] = {{&imageDC_, imagePrevious_},
                                                      {&maskDC_, maskPrevious_},
                                                      {&backgroundDC_, backgroundPrevious_},
                                                      {&shadingDC_, shadingPrevious_}};
    for (const auto& [dc, previous] : held) {
        if (*dc && previous != nullptr) {
            SelectObject(dc->Get(), previous);
        }
    }
}

const fw::MessageMap& CGSensorDlg::GetMessageMap() const {
    static const fw::MessageMap map(&fw::Dialog::GetMessageMap(), {
        fw::OnMessage(WM_ERASEBKGND, &CGSensorDlg::OnEraseBkgnd),
        fw::OnMessage(WM_LBUTTONUP, &CGSensorDlg::OnLButtonUp),
        fw::OnMessage(WM_RBUTTONUP, &CGSensorDlg::OnRButtonUp),
    });
    return map;
}

BOOL CGSensorDlg::OnInitDialog() {
    backgroundHeight_ = BitmapSize(backgrounds_[kScaleBackground].Get()).cy;
    const fw::WindowDC window(Handle());
    if (window.Get() == nullptr) {
        return TRUE;
    }
    imageDC_ = fw::MemoryDC(window.Get());
    maskDC_ = fw::MemoryDC(window.Get());
    backgroundDC_ = fw::MemoryDC(window.Get());
    shadingDC_ = fw::MemoryDC(window.Get());
    if (!imageDC_ || !maskDC_ || !backgroundDC_ || !shadingDC_) {
        return TRUE;
    }
    const SIZE marker = BitmapSize(markerImage_.Get());
    mask_.Reset(CreateBitmap(marker.cx, marker.cy, 1, 1, nullptr));
    imagePrevious_ = SelectObject(imageDC_.Get(), markerImage_.Get());
    SetBkColor(imageDC_.Get(), kMarkerImageKey);
    maskPrevious_ = SelectObject(maskDC_.Get(), mask_.Get());
    backgroundPrevious_ = SelectObject(backgroundDC_.Get(), backgrounds_[variant_].Get());

    shadingBitmap_.Reset(CreateCompatibleBitmap(window.Get(), kShadingWidth, kShadingSourceHeight));
    shadingPrevious_ = SelectObject(shadingDC_.Get(), shadingBitmap_.Get());
    const RECT all{0, 0, kShadingWidth, kShadingSourceHeight};
    const fw::Brush fill(CreateSolidBrush(kShadingColour));
    FillRect(shadingDC_.Get(), &all, fill.Get());
    return TRUE;
}

void CGSensorDlg::SetSurface(COffScreenDC* surface) {
    if (surface_ != nullptr && surfaceFont_ != nullptr && surface_->GetDC() != nullptr) {
        SelectObject(surface_->GetDC(), surfaceFont_);
    }
    surface_ = surface;
    surfaceFont_ = nullptr;
    if (surface_ == nullptr || surface_->GetDC() == nullptr) {
        return;
    }
    SetBkMode(surface_->GetDC(), TRANSPARENT);
    surfaceFont_ = SelectObject(surface_->GetDC(), g_fontNormal);
}

void CGSensorDlg::SetBackgroundVariant(int variant) {
    if (variant < 0 || variant >= kVariants) {
        return;
    }
    variant_ = variant;
    if (backgroundDC_) {
        SelectObject(backgroundDC_.Get(), backgrounds_[variant_].Get());
    }
}

int CGSensorDlg::BackgroundWidth() const { return BitmapSize(backgrounds_[kScaleBackground].Get()).cx; }

double CGSensorDlg::GetPixelsPerFrame() const {
    const EngineLockGuard hold(engine_.fileLock);
    const ClipRecords* records = engine_.PlayerEngineReady ? engine_.ShownClipReader.Records() : nullptr;
    const int64_t frames = records != nullptr ? static_cast<int64_t>(records->frameIndex.size()) : 0;
    return PixelsPerFrame(ClientRect().right, leftMargin, frames);
}

int CGSensorDlg::IsMarkerOnset(int frame, int channel, int& colour) const {
    const EngineLockGuard hold(engine_.fileLock);
    const ClipRecords* records = engine_.PlayerEngineReady ? engine_.ShownClipReader.Records() : nullptr;
    return ::IsMarkerOnset(records, frame, channel, eventClip, colour);
}

int CGSensorDlg::AddEventMarker(EventMarkerList& list, int frame, int channel) const {
    const EngineLockGuard hold(engine_.fileLock);
    if (!engine_.PlayerEngineReady) {
        return 0;
    }
    return ::AddEventMarker(list, engine_.ShownClipReader.Records(), frame, channel, channels, eventClip);
}

void CGSensorDlg::DrawGraph(HDC dc) {
    const RECT client = ClientRect();
    {
        const EngineLockGuard hold(engine_.fileLock);
        const ClipRecords* records = engine_.PlayerEngineReady ? engine_.ShownClipReader.Records() : nullptr;
        const GraphGeometry geometry{client.right, client.bottom, leftMargin, backgroundHeight_, variant_};
        GdiSink sink(*this, dc, client.bottom);
        RunGraphPass({records, position, &channels, eventClip}, geometry, sink, markers_);
    }
    DrawMarkers(dc, client);
}

LRESULT CGSensorDlg::OnEraseBkgnd(const fw::Message& m) {
    const HDC dc = reinterpret_cast<HDC>(m.wParam);
    const RECT client = ClientRect();
    const HDC surface = surface_ != nullptr ? surface_->GetDC() : nullptr;
    if (tileStep == 0 || dc == nullptr || surface == nullptr || client.right == 0) {
        return Default(m);
    }
    FillRect(surface, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    PaintBackground(surface, client);
    if (clipOpen) {
        DrawGraph(surface);
    }
    PaintPositionLine(surface, client);
    BitBlt(dc, 0, 0, client.right, client.bottom + 1, surface, 0, 0, SRCCOPY);
    return TRUE;
}

// Tiles from the right, then once from the left edge, so any width is covered.
void CGSensorDlg::PaintBackground(HDC surface, const RECT& client) const {
    if (!backgroundDC_) {
        return;
    }
    const int w = client.right;
    for (int k = 0; tileStep * k < w; ++k) {
        const int x = kTileAlign * ((w - tileStep * k) / kTileAlign);
        BitBlt(surface, x, 0, w, client.bottom, backgroundDC_.Get(), 0, 0, SRCCOPY);
    }
    BitBlt(surface, 0, 0, w, client.bottom, backgroundDC_.Get(), 0, 0, SRCCOPY);
}

void CGSensorDlg::PaintPositionLine(HDC surface, const RECT& client) const {
    const float perFrame =
        positionRange > 0 ? static_cast<float>(client.right - leftMargin) / static_cast<float>(positionRange) : 0.0f;
    const int x = leftMargin + static_cast<int>(static_cast<float>(position) * perFrame);
    const fw::SelectedObject pen(surface, positionPen_.Get());
    MoveToEx(surface, x, 0, nullptr);
    LineTo(surface, x, client.bottom);
}

void CGSensorDlg::DrawMarkers(HDC dc, const RECT& client) {
    const fw::SelectedObject font(dc, g_fontNormal);
    SetTextColor(dc, kLabelColour);
    for (SPrepos& channel : markers_) {
        for (const SPrepos::Point& point : channel.points) {
            if (point.x >= leftMargin) {
                const HPEN pen = point.colour >= 0 && point.colour < kMarkerColourCount
                                     ? markerPens_[point.colour].Get()
                                     : positionPen_.Get();
                const fw::SelectedObject selected(dc, pen);
                MoveToEx(dc, point.x, client.bottom, nullptr);
                LineTo(dc, point.x, 0);
                DrawMarkerLabel(dc, point.x, point.colour);
            }
        }
        channel.points.clear();
    }
}

void CGSensorDlg::DrawMarkerLabel(HDC dc, int x, int colour) {
    const MarkerLabel label = MarkerLabelOf(colour);
    const int bottom = backgroundHeight_ - kLabelFoot - label.rows * kLabelRowHeight;
    if (label.image) {
        DrawMarkerImage(dc, x + 1, bottom - BitmapSize(markerImage_.Get()).cy);
        return;
    }
    if (label.text == nullptr) {
        return;
    }
    RECT place{x + 1, bottom - kLabelRowHeight, x + 1 + kLabelWidth, bottom};
    DrawTextW(dc, label.text, -1, &place, DT_LEFT | DT_BOTTOM | DT_SINGLELINE | DT_NOCLIP);
}

// The marker image without its key colour: a mask of its other pixels.
void CGSensorDlg::DrawMarkerImage(HDC dc, int x, int y) {
    if (!imageDC_ || !maskDC_) {
        return;
    }
    const SIZE size = BitmapSize(markerImage_.Get());
    BitBlt(maskDC_.Get(), 0, 0, size.cx, size.cy, imageDC_.Get(), 0, 0, NOTSRCCOPY);
    const POINT corners[3] = {{x, y}, {x + size.cx, y}, {x, y + size.cy}};
    PlgBlt(dc, corners, imageDC_.Get(), 0, 0, size.cx, size.cy, mask_.Get(), 0, 0);
}

void CGSensorDlg::Shade(HDC dc, int x, int width, int clientHeight) const {
    if (!shadingDC_ || width < 1) {
        return;
    }
    const int band = width < kShadingWidth ? width : kShadingWidth;
    const BLENDFUNCTION blend{AC_SRC_OVER, 0, kShadingAlpha, 0};
    AlphaBlend(dc, x, clientHeight - kShadingHeight, band, kShadingHeight, shadingDC_.Get(), 0, 0, band,
               kShadingHeight, blend);
}

LRESULT CGSensorDlg::OnLButtonUp(const fw::Message& m) {
    PostMessageW(Parent(), WM_APP_GRAPH_PREV_EVENT, 0, 0);
    return Default(m);
}

LRESULT CGSensorDlg::OnRButtonUp(const fw::Message& m) {
    PostMessageW(Parent(), WM_APP_GRAPH_NEXT_EVENT, 0, 0);
    return Default(m);
}
