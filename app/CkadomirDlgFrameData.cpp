// The data of the shown frame and the map step. The frame's record goes to
// the panels and the map from here; the map area, the clip's event markers
// and their points on the map are kept here.

#include "app/CkadomirDlg.h"

#include <optional>

#include "app/MainWindowIds.h"
#include "app/core/CrashPositions.h"
#include "app/core/MapAreaRule.h"
#include "app/core/RecordingKinds.h"
#include "framework/DeviceContext.h"
#include "framework/Handles.h"
#include "framework/MutexHold.h"
#include "panels/core/FrameData.h"

namespace {

// The skin's pictures in the map's place: no map, and the map offline.
constexpr int kNoMapImage = 164;
constexpr int kOfflineImage = 324;
constexpr int kFrameBrush = 0;

}  // namespace

// Every frame shown on purpose becomes the seek target that the playback
// tick waits for, so the tick does not show an older position meanwhile.
// The engine's data lock is held throughout, so the loader's take-over
// cannot replace the records while the panels get them.
BOOL CkadomirDlg::ShowFrameData(int frame) {
    const EngineLockGuard hold(engine_.fileLock);
    if (frame >= seekSlider_.maximum) {
        frame = seekSlider_.maximum - 1;
    }
    if (frame < seekSlider_.minimum) {
        frame = seekSlider_.minimum;
    }
    const FrameData data = ReadFrameData(EngineReady() ? engine_.ShownClipReader.Records() : nullptr, frame);
    pendingSeek_ = frame;
    mapBridge_.SetPositionNumber(frame);
    if (infoPanel_ != nullptr) {
        infoPanel_->gx = data.gx;
        infoPanel_->gy = data.gy;
        infoPanel_->gz = data.gz;
        infoPanel_->manualMark = data.manualMark;
        if (!data.hasRecord || !data.hasGps) {
            infoPanel_->gpsValid = 0;
        }
    }
    if (data.hasGps) {
        ShowFrameGps(data);
    } else if (data.hasRecord && obdWindow_ != nullptr) {
        obdWindow_->gpsValid = 0;
    }
    if (infoPanel_ != nullptr && infoPanel_->Handle() != nullptr) {
        infoPanel_->frameIndex = frame;
        RepaintInfoPanel();
    }
    SetSeekPos(frame);
    return TRUE;
}

// At once, not at the next paint: in the large layout the panel is a strip
// on this window, which its own window's redraw does not reach.
void CkadomirDlg::RepaintInfoPanel() {
    if (fullScreen_ || infoPanel_ == nullptr || infoPanel_->Handle() == nullptr) {
        return;
    }
    const fw::WindowDC dc(infoPanel_->Handle());
    infoPanel_->DrawPanel(dc.Get());
}

// Position to the map, speed to the panel and the vehicle values to the
// gauges; a frame without a fix may take the map away.
void CkadomirDlg::ShowFrameGps(const FrameData& data) {
    if (data.gpsValid) {
        if (!displayCleared_) {
            mapBridge_.SetGpsSeen(true);
            DrawMapArea();
        }
        if (IMapWindow* map = mapBridge_.MapWindow()) {
            map->SetPosition(data.latitude, data.longitude);
            map->PushFields();
        }
    } else if (!fullScreen_ && sizeMode_ == 0 && IsParkingRecording(CurrentFileName())) {
        if (mapBridge_.MapShown()) {
            mapBridge_.ShowMap(FALSE);
        }
        const fw::WindowDC dc(Handle());
        if (mapSeen_ && !mapBridge_.ConnectTest()) {
            DrawMapOfflineImage(dc.Get());
        } else {
            DrawMapPlaceholder(dc.Get());
        }
    }
    if (infoPanel_ != nullptr) {
        infoPanel_->speed = data.speed;
        infoPanel_->gpsValid = static_cast<int>(data.gpsValid);
    }
    if (obdWindow_ != nullptr) {
        if (data.hasObd) {
            const auto& w = data.obdWords;
            obdWindow_->SetValues(w[kWordThrottle], w[kWordEngineSpeed], w[kWordManifold], w[kWordCoolant],
                                  w[kWordSpeed]);
        }
        obdWindow_->gpsValid = static_cast<int>(data.gpsValid);
    }
}

// Runs at the end of every playback tick; the page gets the clip's event
// points once it has reported ready, and the update check starts then.
void CkadomirDlg::SyncMap() {
    if (eventPointsSent_ || !mapBridge_.PageReady()) {
        return;
    }
    CInetConnectionAsync& connection = mapBridge_.Connection();
    if (!connection.UpdateCheckStarted()) {
        const std::wstring firmware = filePanel_.RecorderVersionText();
        if (seams_.updateCheck) {
            connection.StartUpdateCheck(firmware, seams_.updateCheck);
        } else {
            connection.StartUpdateCheck(firmware);
        }
        SetPos(HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    }
    if (IsClipIndex(currentClip_)) {
        if (!SendCrashPositions(currentClip_)) {
            return;
        }
        eventPointsSent_ = 1;
    }
    if (!EngineReady() || !clipOpen_ || PlayState() == PlayState::kStopped || PlayState() == PlayState::kNone) {
        mapBridge_.SetMapStatus(kMapStatusStopped);
    } else if (PlayState() == PlayState::kPaused) {
        mapBridge_.SetMapStatus(kMapStatusPaused);
    }
}

// The map window when the shown clip has a track to show, else a picture
// in its place.
void CkadomirDlg::DrawMapArea(HDC dc) {
    bool hasGps = false;
    {
        const EngineLockGuard hold(engine_.fileLock);
        const ClipRecords* records = EngineReady() ? engine_.ShownClipReader.Records() : nullptr;
        hasGps = records != nullptr && !records->gps.empty();
    }
    MapAreaInputs in;
    in.gpsSeen = mapBridge_.GpsSeen();
    in.online = mapBridge_.ConnectTest() != 0;
    in.hasGps = hasGps;
    in.clipIndexValid = IsClipIndex(currentClip_);
    in.parking = IsParkingRecording(CurrentFileName());
    in.sizeMode = sizeMode_;
    in.fullScreen = fullScreen_ != 0;
    in.mapSeen = mapSeen_ != 0;
    const MapAreaChoice choice = ChooseMapArea(in);
    if (choice.callShowMap) {
        mapBridge_.ShowMap(choice.showArgument ? TRUE : FALSE);
    } else if (choice.hideMap && mapBridge_.MapShown()) {
        mapBridge_.ShowMap(FALSE);
    }
    if (choice.picture == MapPicture::None) {
        return;
    }
    std::optional<fw::WindowDC> own;
    if (dc == nullptr) {
        dc = own.emplace(Handle()).Get();
    }
    if (choice.picture == MapPicture::Offline) {
        DrawMapOfflineImage(dc);
    } else {
        DrawMapPlaceholder(dc);
    }
}

void CkadomirDlg::DrawMapPlaceholder(HDC dc) { PaintMapPicture(dc, kNoMapImage); }

void CkadomirDlg::DrawMapOfflineImage(HDC dc) { PaintMapPicture(dc, kOfflineImage); }

// The picture stretched over the map window's place, framed.
void CkadomirDlg::PaintMapPicture(HDC dc, int imageId) {
    const SkinImage* image = skinImages_.Image(imageId);
    if (dc == nullptr || image == nullptr || mapWindow_ == nullptr || mapWindow_->Handle() == nullptr) {
        return;
    }
    RECT place = mapWindow_->WindowRect();
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&place), 2);
    const fw::SelectedObject selected(skinImages_.SkinDC(), image->Gdi());
    SetStretchBltMode(dc, COLORONCOLOR);
    StretchBlt(dc, place.left, place.top, place.right - place.left, place.bottom - place.top, skinImages_.SkinDC(), 0,
               0, image->Width(), image->Height(), SRCCOPY);
    FrameRect(dc, &place, skinImages_.Brush(kFrameBrush));
}

// The marker list is rebuilt here whenever the page is ready, and the map
// shows a point for each marker with a position.
BOOL CkadomirDlg::SendCrashPositions(int clipIndex) {
    if (!mapBridge_.PageReady() || graph_ == nullptr) {
        return FALSE;
    }
    const fw::MutexHold markers(eventMarkerLock_.Get());
    mapBridge_.RedrawTrack(clipIndex);
    CrashPositionWalk walk;
    {
        const EngineLockGuard hold(engine_.fileLock);
        const ClipRecords* records = EngineReady() ? engine_.ShownClipReader.Records() : nullptr;
        CollectEventMarkers(eventMarkers_, records, graph_->channels, graph_->eventClip);
        walk = CrashPositionScripts(eventMarkers_, records, graph_->channels, clipIndex);
    }
    for (const UiString& script : walk.scripts) {
        mapBridge_.RunScript(script);
    }
    return walk.complete ? TRUE : FALSE;
}

// The shown records are about to go or be replaced: no marker may keep
// pointing into them, whether or not the page rebuilds the list later.
void CkadomirDlg::ClearEventMarkers() {
    const fw::MutexHold markers(eventMarkerLock_.Get());
    eventMarkers_.clear();
}

BOOL CkadomirDlg::FindNextEventMarker(int frame) { return SeekToEventMarker(frame, true); }

BOOL CkadomirDlg::FindPrevEventMarker(int frame) { return SeekToEventMarker(frame, false); }

BOOL CkadomirDlg::SeekToEventMarker(int frame, bool next) {
    if (!clipOpen_ || graph_ == nullptr) {
        return FALSE;
    }
    const fw::MutexHold markers(eventMarkerLock_.Get());
    std::optional<int32_t> target;
    {
        const EngineLockGuard hold(engine_.fileLock);
        const ClipRecords* records = EngineReady() ? engine_.ShownClipReader.Records() : nullptr;
        target = next ? NextMarkerFrame(eventMarkers_, records, graph_->channels, frame)
                      : PrevMarkerFrame(eventMarkers_, records, graph_->channels, frame);
    }
    if (!target) {
        return FALSE;
    }
    SeekToFrame(*target);
    return TRUE;
}

// Past the last marker the steps wrap around to the first, and back.
LRESULT CkadomirDlg::OnPrevEventMarker(const fw::Message&) {
    if (graph_ != nullptr && !FindPrevEventMarker(graph_->position)) {
        FindPrevEventMarker(EngineReady() ? static_cast<int>(engineTable_.GetFrameCount(&engine_)) + 1 : 1);
    }
    return 0;
}

LRESULT CkadomirDlg::OnNextEventMarker(const fw::Message&) {
    if (graph_ != nullptr && !FindNextEventMarker(graph_->position)) {
        FindNextEventMarker(-1);
    }
    return 0;
}
