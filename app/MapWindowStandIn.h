#pragma once

#include <string>

#include "app/PanelStandIn.h"
#include "map/IMapWindow.h"

// An empty window in the map window's place until the map windows' own code
// exists. It keeps what the bridge hands it and shows no page, so scripts
// go nowhere and no update message can be posted.
class MapWindowStandIn : public PanelStandIn, public IWebViewMapWindow {
public:
    explicit MapWindowStandIn(int templateId) : PanelStandIn(templateId) {}

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
