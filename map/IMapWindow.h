#pragma once

#include <windows.h>

#include <string>

#include "map/core/MapUpdateMessage.h"

// What the map bridge needs from the window that shows the map page. The
// browser-control window and the web-view window implement it; the bridge
// owns the one the main window made and deletes it through this interface.
class IMapWindow {
public:
    virtual ~IMapWindow() = default;

    // Runs one statement in the page; the result and any error are ignored.
    // Does nothing while the page cannot take scripts yet.
    virtual void RunScript(const std::wstring& statement) = 0;

    // The position and status the page is to show. The main window sets the
    // position on every frame with a fix; the bridge sets the status.
    virtual void SetPosition(double latitude, double longitude) = 0;
    virtual double Latitude() const = 0;
    virtual double Longitude() const = 0;
    virtual void SetStatusText(const std::wstring& status) = 0;
    virtual std::wstring StatusText() const = 0;
    // Pushes position and status into the page's bound fields, where the
    // window has any (the browser control); the web view's values leave
    // with the next update message instead.
    virtual void PushFields() = 0;

    virtual bool IsMapVisible() const = 0;
    // ShowWindow with SW_SHOWNORMAL or SW_HIDE.
    virtual void ShowMapWindow(int command) = 0;
};

// The web-view window also posts the update message its page asks for.
class IWebViewMapWindow : public IMapWindow {
public:
    // E_FAIL, with nothing posted, while the web view does not exist yet.
    virtual HRESULT PostMapUpdate(const MapUpdateMessage& message) = 0;
};
