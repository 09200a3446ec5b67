#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "map/OleString.h"
#include "map/OleVariant.h"

// The program's side of the map page. Both map windows forward every call
// their page makes to it: the browser-control page through window.external,
// the web-view page through the host object "sample". Calls arrive on the
// UI thread. Results are owned by the caller, who hands them to the page.
class IHostWebViewFuncs {
public:
    // TRUE while the map provider can be reached.
    virtual BOOL ConnectTest() = 0;
    // The page has loaded the map library and is ready for scripts.
    virtual void OnInitHtml() = 0;
    // The current clip group's track (times in ms from each recording's start).
    virtual OleVariant GetGPSData() = 0;
    // The shown clip's track (times are frame numbers); the argument is unused.
    virtual OleVariant GetGridData(const std::wstring& unused) = 0;
    // Name of an event-marker kind, 0 to 11.
    virtual OleString GetMarkName(int32_t kind) = 0;
    // A text of the program's text table, by slot.
    virtual OleString GetRcString(int32_t slot) = 0;
    // The displayed frame's number, as decimal text.
    virtual OleString GetRelJpgNum() = 0;
    // A debug line from the page.
    virtual void DEBLOG(const std::wstring& line) = 0;
    // An event point was clicked; the page hands back what it was given.
    virtual void OnClickCrashPoint(int32_t ifile, int32_t igrid, int32_t ipos, int32_t valid, double lat, double lng,
                                   double speed, double direction) = 0;
    // The map library's loader URL.
    virtual OleString GetMapURL() = 0;
    // Asks for the next position update (web-view page only).
    virtual HRESULT SetSend() = 0;

    virtual ~IHostWebViewFuncs() = default;
};
