#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "format/DataRecords.h"
#include "panels/core/FrameRecords.h"
#include "panels/core/GraphChannels.h"

// Where a channel's event starts: the channel's colour for the frame (or
// kNoMarker) goes to `colour`; 1 when it matches and the frame before does
// not give the same colour (a continuing run is no onset), else 0.
int IsMarkerOnset(const ClipRecords* records, int64_t frame, int channel, int eventClip, int& colour);

// One entry of the main window's marker list. The record pointer points
// into the shown clip's record array and is good only while that array
// lives: the list is emptied or rebuilt whenever the shown records change.
struct EventMarker {
    int32_t recordIndex = 0;
    int32_t colour = 0;
    int32_t channel = 0;
    const GSensorRecord* record = nullptr;
};

using EventMarkerList = std::vector<EventMarker>;

// Adds the frame's marker of one channel when an event starts there and
// the colour's own channel flag allows it. 1 when the channel does not
// match the frame (the caller tries its next channel), else 0.
int AddEventMarker(EventMarkerList& list, const ClipRecords* records, int64_t frame, int channel,
                   const GraphChannels& channels, int eventClip);

// Rebuilds the list from every frame of the shown clip: the detection
// channel may add a marker, and of the others the first that matches a
// frame has its say.
void CollectEventMarkers(EventMarkerList& list, const ClipRecords* records, const GraphChannels& channels,
                         int eventClip);

// A marker's record, when it still lies inside the shown records.
const GSensorRecord* MarkerRecord(const ClipRecords* records, const EventMarker& marker);

// The frame of the first marker after `frame` (or the last before it) whose
// channel is shown; nothing when there is none.
std::optional<int32_t> NextMarkerFrame(const EventMarkerList& list, const ClipRecords* records,
                                       const GraphChannels& channels, int32_t frame);
std::optional<int32_t> PrevMarkerFrame(const EventMarkerList& list, const ClipRecords* records,
                                       const GraphChannels& channels, int32_t frame);
