#pragma once

#include <vector>

#include "panels/core/EventMarkers.h"
#include "ui/core/UiChar.h"

// The map page's event points for a clip's marker list, one script each,
// walked from the list's last entry to its first. Markers of a channel
// whose marker flag is off, and positions at (0, 0) or not finite, send no
// point. The walk stops at a marker whose record or GPS link is gone.
struct CrashPositionWalk {
    bool complete = true;
    std::vector<UiString> scripts;
};

CrashPositionWalk CrashPositionScripts(const EventMarkerList& list, const ClipRecords* records,
                                       const GraphChannels& channels, int clipIndex);
