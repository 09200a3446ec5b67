#pragma once

#include <string>

#include "framework/Dialog.h"
#include "map/IHostWebViewFuncs.h"
#include "map/IMapWindow.h"
#include "map/webview/CWebView2Holder.h"

// The map window on the web-view runtime: a child of the main window whose
// web view shows map page 328. The web view is made the first time the
// window's background is erased, that is once the window is first shown.
// The page reaches the bridge through the host object and is posted the
// position and status whenever it asks for them.
class CGoogleMapDlg2 : public fw::Dialog, public IWebViewMapWindow {
public:
    explicit CGoogleMapDlg2(IHostWebViewFuncs* bridge,
                            CWebView2Holder::EnvironmentCreator createEnvironment = CWebView2Holder::CreateThroughLoader);
    ~CGoogleMapDlg2() override;

    void SetBridge(IHostWebViewFuncs* bridge) { bridge_ = bridge; }

    // IMapWindow
    void RunScript(const std::wstring& statement) override { holder_.RunScript(statement); }
    void SetPosition(double latitude, double longitude) override;
    double Latitude() const override { return latitude_; }
    double Longitude() const override { return longitude_; }
    void SetStatusText(const std::wstring& status) override { status_ = status; }
    std::wstring StatusText() const override { return status_; }
    // Nothing is bound: position and status leave with the next update.
    void PushFields() override {}
    bool IsMapVisible() const override { return IsVisible(); }
    void ShowMapWindow(int command) override { Show(command); }
    HRESULT PostMapUpdate(const MapUpdateMessage& message) override;

protected:
    const fw::MessageMap& GetMessageMap() const override;

private:
    LRESULT OnEraseBkgnd(const fw::Message& m);
    LRESULT OnSize(const fw::Message& m);
    LRESULT OnDeferredCall(const fw::Message& m);
    LRESULT OnDestroy(const fw::Message& m);

    double longitude_ = 0.0;
    double latitude_ = 0.0;
    std::wstring status_;
    IHostWebViewFuncs* bridge_;
    CWebView2Holder holder_;
};
