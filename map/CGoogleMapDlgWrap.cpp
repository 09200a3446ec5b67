#include "map/CGoogleMapDlgWrap.h"

#include <new>
#include <optional>

#include "PlayerEngine.h"
#include "map/GpsTrackVariant.h"
#include "map/MapMessages.h"
#include "map/core/MapLoaderUrl.h"
#include "map/core/MapScripts.h"
#include "map/core/MarkNames.h"
#include "ui/core/UiTextTable.h"

namespace {

// A track as the page receives it; empty when memory ran out, which the
// pages read as no data.
OleVariant TrackOf(const std::vector<GpsRecord>& records) {
    try {
        return ToVariant(GpsTrackArray::FromRecords(records));
    } catch (const std::bad_alloc&) {
        return {};
    }
}

}  // namespace

CGoogleMapDlgWrap::CGoogleMapDlgWrap(OnlineSettings settings) : CGoogleMapDlgWrap(std::move(settings), ThePlayerEngine()) {}

CGoogleMapDlgWrap::CGoogleMapDlgWrap(OnlineSettings settings, PlayerEngine& engine)
    : mapHost_(settings.mapHost), engine_(engine), connection_(std::move(settings)) {}

CGoogleMapDlgWrap::~CGoogleMapDlgWrap() {
    // The windows go first: their pages must not call into a bridge whose
    // monitor is already gone.
    browserWindow_.reset();
    webViewWindow_.reset();
}

BOOL CGoogleMapDlgWrap::ConnectTest() {
    if (!connection_.Online()) {
        pageReady_ = false;
        return FALSE;
    }
    return TRUE;
}

void CGoogleMapDlgWrap::OnInitHtml() {
    pageReady_ = true;
    PostToOwner(WM_APP_MAP_READY, 0, 0);
}

OleVariant CGoogleMapDlgWrap::GetGPSData() {
    // The group track is copied under the file lock and handed over after,
    // so a long group does not hold up playback while it is converted.
    std::optional<GpsTrackArray> track;
    if (engine_.PlayerEngineReady.load() != 0) {
        EngineLockGuard hold(engine_.fileLock);
        if (engine_.EngineGroupTrack) {
            try {
                track = GpsTrackArray::FromRecords(*engine_.EngineGroupTrack);
            } catch (const std::bad_alloc&) {
                return {};
            }
        }
    }
    return ToVariant(track ? *track : GpsTrackArray());
}

OleVariant CGoogleMapDlgWrap::GetGridData(const std::wstring&) {
    EngineLockGuard hold(engine_.fileLock);
    if (engine_.PlayerEngineReady.load() == 0) {
        return {};
    }
    const ClipRecords* records = engine_.ShownClipReader.Records();
    if (records == nullptr) {
        return {};
    }
    return TrackOf(records->gps);
}

OleString CGoogleMapDlgWrap::GetMarkName(int32_t kind) {
    const int slot = MarkNameSlot(kind);
    return OleString(slot < 0 ? std::wstring() : std::wstring(UiText(slot)));
}

OleString CGoogleMapDlgWrap::GetRcString(int32_t slot) { return OleString(UiText(slot)); }

OleString CGoogleMapDlgWrap::GetRelJpgNum() { return OleString(std::to_wstring(positionNumber_)); }

void CGoogleMapDlgWrap::DEBLOG(const std::wstring&) {}

void CGoogleMapDlgWrap::OnClickCrashPoint(int32_t, int32_t, int32_t ipos, int32_t, double, double, double, double) {
    PostToOwner(WM_APP_MAP_CRASH_CLICK, 0, static_cast<LPARAM>(ipos));
}

OleString CGoogleMapDlgWrap::GetMapURL() {
    std::wstring key = MapApiKey();
    OleString url(MapLoaderUrl(mapHost_, key));
    WipeText(key);
    return url;
}

HRESULT CGoogleMapDlgWrap::SetSend() {
    if (!webViewWindow_) {
        return E_FAIL;
    }
    MapUpdateMessage message;
    message.latitude = webViewWindow_->Latitude();
    message.longitude = webViewWindow_->Longitude();
    message.status = webViewWindow_->StatusText();
    return webViewWindow_->PostMapUpdate(message);
}

void CGoogleMapDlgWrap::RunScript(const std::wstring& statement) {
    if (IMapWindow* window = MapWindow()) {
        window->RunScript(statement);
    }
}

void CGoogleMapDlgWrap::RedrawTrack(int32_t grid) {
    if (!pageReady_) {
        return;
    }
    RunScript(MapScript::kClearCrashPos);
    RunScript(MapScript::kRemoveLineList);
    RunScript(MapScript::kCreateLine);
    RunScript(MapScript::CreateGridLine(grid));
}

void CGoogleMapDlgWrap::SetMapStatus(int32_t state) {
    IMapWindow* window = MapWindow();
    if (window == nullptr) {
        return;
    }
    if (const std::optional<std::wstring> status = MapStatus::ForState(state)) {
        window->SetStatusText(*status);
        if (*status == MapStatus::kStop) {
            RunScript(MapScript::kMoveMarker);
        }
    }
    window->PushFields();
}

BOOL CGoogleMapDlgWrap::ShowMap(BOOL show) {
    IMapWindow* window = MapWindow();
    if (show) {
        if (mapShown_ || (window != nullptr && window->IsMapVisible())) {
            return FALSE;
        }
        if (window != nullptr) {
            window->ShowMapWindow(SW_SHOWNORMAL);
        }
        mapShown_ = true;
        return TRUE;
    }
    if (!mapShown_ || window == nullptr || !window->IsMapVisible()) {
        return FALSE;
    }
    window->ShowMapWindow(SW_HIDE);
    mapShown_ = false;
    return TRUE;
}

void CGoogleMapDlgWrap::AdoptBrowserControlWindow(std::unique_ptr<IMapWindow> window) {
    webViewWindow_.reset();
    browserWindow_ = std::move(window);
}

void CGoogleMapDlgWrap::AdoptWebViewWindow(std::unique_ptr<IWebViewMapWindow> window) {
    browserWindow_.reset();
    webViewWindow_ = std::move(window);
}

IMapWindow* CGoogleMapDlgWrap::MapWindow() const {
    if (webViewWindow_) {
        return webViewWindow_.get();
    }
    return browserWindow_.get();
}

void CGoogleMapDlgWrap::PostToOwner(UINT message, WPARAM wParam, LPARAM lParam) const {
    if (owner_ != nullptr) {
        PostMessageW(owner_, message, wParam, lParam);
    }
}
