#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>

#include "map/CInetConnectionAsync.h"
#include "map/IHostWebViewFuncs.h"
#include "map/IMapWindow.h"
#include "map/OnlineSettings.h"

struct PlayerEngine;

// The one object through which the main window and the map page talk. The
// main window owns it for its whole life; it owns the map window the main
// window made (the browser-control window or the web-view window, never
// both) and the connectivity monitor.
//
// Page calls come in through IHostWebViewFuncs; scripts, status and
// position go out through the map window. Everything runs on the UI
// thread; the engine's records are read under its file lock.
class CGoogleMapDlgWrap : public IHostWebViewFuncs {
public:
    explicit CGoogleMapDlgWrap(OnlineSettings settings = {});
    // A bridge over another engine block than the program's (tests).
    CGoogleMapDlgWrap(OnlineSettings settings, PlayerEngine& engine);
    ~CGoogleMapDlgWrap() override;
    CGoogleMapDlgWrap(const CGoogleMapDlgWrap&) = delete;
    CGoogleMapDlgWrap& operator=(const CGoogleMapDlgWrap&) = delete;

    // IHostWebViewFuncs
    BOOL ConnectTest() override;
    void OnInitHtml() override;
    OleVariant GetGPSData() override;
    OleVariant GetGridData(const std::wstring& unused) override;
    OleString GetMarkName(int32_t kind) override;
    OleString GetRcString(int32_t slot) override;
    OleString GetRelJpgNum() override;
    void DEBLOG(const std::wstring& line) override;
    void OnClickCrashPoint(int32_t ifile, int32_t igrid, int32_t ipos, int32_t valid, double lat, double lng,
                           double speed, double direction) override;
    OleString GetMapURL() override;
    HRESULT SetSend() override;

    // For the main window.
    // Runs a statement in the page of whichever map window exists.
    void RunScript(const std::wstring& statement);
    // Clears the event points and redraws the group track and the shown
    // clip's track; only once the page is ready.
    void RedrawTrack(int32_t grid);
    // Hands a play state to the map window (0 playing, 1 paused, 2 stopped;
    // others keep the text) and pushes it; "stop" also moves the marker to
    // the stop position at once, since the page's poll does not then.
    void SetMapStatus(int32_t state);
    // Shows or hides the map window; TRUE when that changed the state.
    BOOL ShowMap(BOOL show);

    // Takes ownership of the map window the main window made; a window held
    // before is deleted.
    void AdoptBrowserControlWindow(std::unique_ptr<IMapWindow> window);
    void AdoptWebViewWindow(std::unique_ptr<IWebViewMapWindow> window);
    // The web-view window when there is one, else the browser-control
    // window, else null.
    IMapWindow* MapWindow() const;

    // The window that receives WM_APP_MAP_READY and WM_APP_MAP_CRASH_CLICK;
    // with none, nothing is posted.
    void SetOwner(HWND owner) { owner_ = owner; }

    CInetConnectionAsync& Connection() { return connection_; }

    bool PageReady() const { return pageReady_; }
    bool MapShown() const { return mapShown_; }
    // Set by the main window when a frame with a fix is shown.
    void SetGpsSeen(bool seen) { gpsSeen_ = seen; }
    bool GpsSeen() const { return gpsSeen_; }
    // The displayed frame's number, which the page reads to place its marker.
    void SetPositionNumber(int32_t frame) { positionNumber_ = frame; }
    int32_t PositionNumber() const { return positionNumber_; }

private:
    void PostToOwner(UINT message, WPARAM wParam, LPARAM lParam) const;

    const std::wstring mapHost_;
    PlayerEngine& engine_;
    std::unique_ptr<IMapWindow> browserWindow_;
    std::unique_ptr<IWebViewMapWindow> webViewWindow_;
    CInetConnectionAsync connection_;
    bool pageReady_ = false;
    bool mapShown_ = false;
    bool gpsSeen_ = false;
    int32_t positionNumber_ = 0;
    HWND owner_ = nullptr;
};
