#include "app/core/CrashPositions.h"

#include <cmath>

#include "map/core/MapScripts.h"
#include "panels/core/FrameRecords.h"
#include "panels/core/InfoText.h"

namespace {

// A number text may read as infinity or NaN; the page gets the program's
// "no value" instead of a word its script cannot parse.
double FiniteOr(double value, double none) { return std::isfinite(value) ? value : none; }

bool SendsNoPoint(const GpsRecord& gps) {
    return (gps.latitude == 0.0 && gps.longitude == 0.0) || !std::isfinite(gps.latitude) ||
           !std::isfinite(gps.longitude);
}

}  // namespace

CrashPositionWalk CrashPositionScripts(const EventMarkerList& list, const ClipRecords* records,
                                       const GraphChannels& channels, int clipIndex) {
    CrashPositionWalk walk;
    for (auto marker = list.rbegin(); marker != list.rend(); ++marker) {
        if (marker->channel < 0 || marker->channel >= kGraphChannelCount || !channels[marker->channel].marker) {
            continue;
        }
        const GSensorRecord* record = MarkerRecord(records, *marker);
        const GpsRecord* gps = record != nullptr ? LinkedGps(records, *record) : nullptr;
        if (gps == nullptr) {
            walk.complete = false;
            return walk;
        }
        if (SendsNoPoint(*gps)) {
            continue;
        }
        MapScript::CrashPosition point;
        point.color = marker->colour;
        point.levelX = FiniteOr(record->x, kNoGValue);
        point.levelY = FiniteOr(record->y, kNoGValue);
        point.levelZ = FiniteOr(record->z, kNoGValue);
        point.grid = clipIndex;
        point.position = record->time;
        point.latitude = gps->latitude;
        point.longitude = gps->longitude;
        point.valid = static_cast<int32_t>(gps->valid);
        point.speed = FiniteOr(gps->speed, kNoSpeed);
        point.direction = gps->spare;
        walk.scripts.push_back(MapScript::AddCrashPos(point));
    }
    return walk;
}
