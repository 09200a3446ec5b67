#pragma once

#include <string>

#include "framework/Dialog.h"
#include "map/IMapWindow.h"

// An empty map window on the map window's template: the main window's tests
// need its place and its bridge, not a page. It keeps what the bridge hands
// it; scripts go nowhere and no update message can be posted.
class MapWindowStandIn : public fw::Dialog, public IWebViewMapWindow {
public:
    explicit MapWindowStandIn(int templateId) : fw::Dialog(templateId) {}

    void RunScript(const std::wstring&) override {}
    void SetPosition(double latitude, double longitude) override {
        latitude_ = latitude;
        longitude_ = longitude;
    }
    double Latitude() const override { return latitude_; }
    double Longitude() const override { return longitude_; }
    void SetStatusText(const std::wstring& status) override { status_ = status; }
    std::wstring StatusText() const override { return status_; }
    void PushFields() override {}
    bool IsMapVisible() const override { return IsVisible(); }
    void ShowMapWindow(int command) override { Show(command); }
    HRESULT PostMapUpdate(const MapUpdateMessage&) override { return E_FAIL; }

private:
    double latitude_ = 0.0;
    double longitude_ = 0.0;
    std::wstring status_;
};
