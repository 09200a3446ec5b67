#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "map/IMapWindow.h"

// What a fake map window saw, kept apart from the window so a test can read
// it after the bridge has deleted the window.
struct MapWindowLog {
    // Everything in order: "script:<statement>", "status:<text>",
    // "push:<status>", "show:<command>", "post:<json>".
    std::vector<std::wstring> events;
    bool deleted = false;

    std::vector<std::wstring> Scripts() const;
    std::vector<std::wstring> Posts() const;
    int Pushes() const;
};

// A map window with a page that records what it is given: scripts run in
// it, status and position pushes, shows and hides, posted update messages.
class FakeMapWindow : public IWebViewMapWindow {
public:
    explicit FakeMapWindow(std::shared_ptr<MapWindowLog> log) : log_(std::move(log)) {}
    ~FakeMapWindow() override;

    // Until then PostMapUpdate fails, as a web view still being made does.
    void SetWebViewReady(bool ready) { webViewReady_ = ready; }
    void SetVisible(bool visible) { visible_ = visible; }
    // Runs as the window is deleted.
    void OnDelete(std::function<void()> callback) { onDelete_ = std::move(callback); }

    void RunScript(const std::wstring& statement) override;
    void SetPosition(double latitude, double longitude) override;
    double Latitude() const override { return latitude_; }
    double Longitude() const override { return longitude_; }
    void SetStatusText(const std::wstring& status) override;
    std::wstring StatusText() const override { return status_; }
    void PushFields() override;
    bool IsMapVisible() const override { return visible_; }
    void ShowMapWindow(int command) override;
    HRESULT PostMapUpdate(const MapUpdateMessage& message) override;

private:
    std::shared_ptr<MapWindowLog> log_;
    std::function<void()> onDelete_;
    bool webViewReady_ = true;
    bool visible_ = false;
    double latitude_ = 0.0;
    double longitude_ = 0.0;
    std::wstring status_;
};
