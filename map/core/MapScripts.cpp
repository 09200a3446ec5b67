#include "map/core/MapScripts.h"

#include "map/core/AsciiFormat.h"

namespace MapScript {

UiString CreateGridLine(int32_t grid) { return FormatAscii("orbitgrplist.CreateGridLine(%d)", static_cast<int>(grid)); }

UiString AddCrashPos(const CrashPosition& p) {
    return FormatAscii("cplist.AddCrashPos(%d,%f,%f,%f,%d,%d,%d,%f,%f,%d,%f,%f)", static_cast<int>(p.color),
                       p.levelX, p.levelY, p.levelZ, static_cast<int>(p.file), static_cast<int>(p.grid),
                       static_cast<int>(p.position), p.latitude, p.longitude, static_cast<int>(p.valid), p.speed,
                       p.direction);
}

}  // namespace MapScript

namespace MapStatus {

std::optional<UiString> ForState(int32_t state) {
    switch (state) {
    case 0:
        return UiString(kPlaying);
    case 1:
        return UiString(kPause);
    case 2:
        return UiString(kStop);
    default:
        return std::nullopt;
    }
}

}  // namespace MapStatus
