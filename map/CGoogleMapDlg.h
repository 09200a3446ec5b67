#pragma once

#include <exdisp.h>

#include <string>

#include "framework/ComPtr.h"
#include "framework/Dialog.h"
#include "map/IHostWebViewFuncs.h"
#include "map/IMapWindow.h"
#include "map/browser/ExternalDispatch.h"
#include "map/browser/WebBrowserSite.h"

// The map window on the web browser control, for machines without the
// web-view runtime: a child of the main window showing map page 103 from
// the program's resources. The page calls the bridge through
// window.external and reads position and status from three hidden fields,
// which PushFields writes. Enter and Esc leave it alone.
class CGoogleMapDlg : public fw::Dialog, public IMapWindow {
public:
    explicit CGoogleMapDlg(IHostWebViewFuncs* bridge);
    ~CGoogleMapDlg() override;

    void SetBridge(IHostWebViewFuncs* bridge);

    // IMapWindow
    void RunScript(const std::wstring& statement) override;
    void SetPosition(double latitude, double longitude) override;
    double Latitude() const override { return map_lat; }
    double Longitude() const override { return map_lng; }
    void SetStatusText(const std::wstring& status) override { map_status = status; }
    std::wstring StatusText() const override { return map_status; }
    void PushFields() override;
    bool IsMapVisible() const override { return IsVisible(); }
    void ShowMapWindow(int command) override { Show(command); }

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    const fw::MessageMap& GetMessageMap() const override;

private:
    HRESULT CreateBrowser();
    void OnDocumentComplete();
    void CloseBrowser();
    // The loaded page's document, or null before it exists.
    fw::ComPtr<IDispatch> Document() const;
    LRESULT OnSize(const fw::Message& m);
    LRESULT OnDestroy(const fw::Message& m);

    // The page's bound fields.
    double map_lng = 0.0;
    double map_lat = 0.0;
    std::wstring map_status;

    IHostWebViewFuncs* bridge_;
    fw::ComPtr<ExternalDispatch> external_;
    fw::ComPtr<WebBrowserSite> site_;
    fw::ComPtr<IOleObject> control_;
    fw::ComPtr<IWebBrowser2> browser_;
    DWORD eventsCookie_ = 0;
};
