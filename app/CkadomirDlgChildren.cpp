// The main window's children: the dialog template holds none, so every
// child is made here, once, during start-up.

#include <algorithm>

#include "app/CkadomirDlg.h"
#include "app/MainButtons.h"
#include "app/MainWindowIds.h"
#include "framework/DeviceContext.h"
#include "ui/core/UiTextTable.h"
#include "ui/shared/UiFonts.h"

namespace {

constexpr int kVolumeMaximum = 65535;
constexpr int kMainButtonSize = 32;
constexpr int kWindowButtonHeight = 18;

}  // namespace

void CkadomirDlg::CreateChildWindows() {
    const RECT client = ClientRect();
    if (IsRectEmpty(&client)) {
        return;
    }
    {
        // As large as the screen's longer side both ways, so every layout
        // and full screen fit.
        const fw::WindowDC dc(Handle());
        const int side = std::max(GetDeviceCaps(dc.Get(), HORZRES), GetDeviceCaps(dc.Get(), VERTRES));
        offScreen_.Create(dc.Get(), side, side);
    }
    filePanel_.Create(Handle(), this);
    filePanel_.SetSkinImages(&skinImages_);
    toolTip_.Create(Handle());
    videoSurface_.Create(this, Handle(), client);
    CreateMapWindow();

    // Both panels draw in the off-screen buffer; the information panel
    // also blits the skin's images.
    graph_ = std::make_unique<CGSensorDlg>(engine_);
    if (graph_->CreateModeless(Handle())) {
        graph_->SetSurface(&offScreen_);
    }
    infoPanel_ = std::make_unique<CInfoDlg>();
    if (infoPanel_->CreateModeless(Handle())) {
        infoPanel_->SetSurface(&offScreen_, &skinImages_);
    }

    seekSlider_.CreateSlider(kSeekSliderId, Handle());
    seekSlider_.LoadSkin(174, 159, 160, 161);
    volumeSlider_.CreateSlider(kVolumeSliderId, Handle());
    volumeSlider_.LoadSkin(167, 168, 169, 170);
    volumeSlider_.minimum = 0;
    volumeSlider_.maximum = kVolumeMaximum;

    progressBar_.CreateBar(Handle());
    progressBar_.SetFont(g_fontNormal, true);
    CreateMainButtons();
}

// The runtime decides which of the two map windows can show the map page;
// the bridge owns the one made and reports the page's events here.
void CkadomirDlg::CreateMapWindow() {
    const bool webView = seams_.webViewRuntimeInstalled && seams_.webViewRuntimeInstalled();
    if (webView && seams_.mapWindows.webView) {
        std::unique_ptr<IWebViewMapWindow> window = seams_.mapWindows.webView(mapBridge_);
        mapWindow_ = dynamic_cast<fw::Dialog*>(window.get());
        mapBridge_.AdoptWebViewWindow(std::move(window));
    } else if (!webView && seams_.mapWindows.browserControl) {
        std::unique_ptr<IMapWindow> window = seams_.mapWindows.browserControl(mapBridge_);
        mapWindow_ = dynamic_cast<fw::Dialog*>(window.get());
        mapBridge_.AdoptBrowserControlWindow(std::move(window));
    }
    mapBridge_.SetOwner(Handle());
    if (mapWindow_ != nullptr) {
        mapWindow_->CreateModeless(Handle());
    }
}

void CkadomirDlg::CreateMainButtons() {
    for (int i = 0; i < kMainButtonCount; ++i) {
        const SkinButtonSpec& skin = kMainButtons[i];
        mainButtons_[i].CreateFromBitmap(skin.bitmap, 0, {0, 0, kMainButtonSize, kMainButtonSize}, Handle(),
                                         skin.command);
        toolTip_.AddTool(mainButtons_[i].Handle(), UiText(skin.tooltipSlot));
    }
    for (int i = 0; i < kWindowButtonCount; ++i) {
        const SkinButtonSpec& skin = kWindowButtons[i];
        const LayoutRect place = WindowButtonRect(i, MainClientRect());
        windowButtons_[i].CreateFromBitmap(skin.bitmap, 0, {0, 0, place.Width(), kWindowButtonHeight}, Handle(),
                                           skin.command);
        toolTip_.AddTool(windowButtons_[i].Handle(), UiText(skin.tooltipSlot));
    }
}
