#include "panels/core/EventMarkers.h"

namespace {

constexpr int kCollectionOrder[] = {0, 1, 2, 3, 4, 5, 7};

bool ShownChannel(const GraphChannels& channels, int channel) {
    return channel >= 0 && channel < kGraphChannelCount && channels[channel].shown != 0;
}

}  // namespace

int IsMarkerOnset(const ClipRecords* records, int64_t frame, int channel, int eventClip, int& colour) {
    colour = kNoMarker;
    const GSensorRecord* record = FrameRecord(records, frame);
    if (record == nullptr) {
        return 0;
    }
    colour = SelectMarkerColour(channel, *record, eventClip);
    if (colour < 0) {
        return 0;
    }
    const GSensorRecord* before = frame > 0 ? FrameRecord(records, frame - 1) : nullptr;
    if (before != nullptr && SelectMarkerColour(channel, *before, eventClip) == colour) {
        return 0;
    }
    return 1;
}

int AddEventMarker(EventMarkerList& list, const ClipRecords* records, int64_t frame, int channel,
                   const GraphChannels& channels, int eventClip) {
    if (records == nullptr || records->frameIndex.empty()) {
        return 0;
    }
    int colour = kNoMarker;
    const int onset = IsMarkerOnset(records, frame, channel, eventClip, colour);
    if (colour < 0) {
        return 1;
    }
    const int flagChannel = ColourFlagChannel(colour);
    if (flagChannel >= 0 && channels[flagChannel].marker == 0) {
        return 0;
    }
    if (!onset) {
        return 0;
    }
    const GSensorRecord* record = FrameRecord(records, frame);
    list.push_back({static_cast<int32_t>(record - records->gsensor.data()), colour, channel, record});
    return 0;
}

void CollectEventMarkers(EventMarkerList& list, const ClipRecords* records, const GraphChannels& channels,
                         int eventClip) {
    list.clear();
    if (records == nullptr) {
        return;
    }
    const int64_t frames = static_cast<int64_t>(records->frameIndex.size());
    for (int64_t frame = 0; frame < frames; ++frame) {
        if (channels[GraphChannelId::kDetection].marker != 0) {
            AddEventMarker(list, records, frame, GraphChannelId::kDetection, channels, eventClip);
        }
        for (int channel : kCollectionOrder) {
            if (channels[channel].marker != 0 && AddEventMarker(list, records, frame, channel, channels, eventClip) == 0) {
                break;
            }
        }
    }
}

const GSensorRecord* MarkerRecord(const ClipRecords* records, const EventMarker& marker) {
    return records != nullptr && IsShownRecord(*records, marker.record) ? marker.record : nullptr;
}

std::optional<int32_t> NextMarkerFrame(const EventMarkerList& list, const ClipRecords* records,
                                       const GraphChannels& channels, int32_t frame) {
    for (const EventMarker& marker : list) {
        const GSensorRecord* record = MarkerRecord(records, marker);
        if (record != nullptr && record->time > frame && ShownChannel(channels, marker.channel)) {
            return record->time;
        }
    }
    return std::nullopt;
}

std::optional<int32_t> PrevMarkerFrame(const EventMarkerList& list, const ClipRecords* records,
                                       const GraphChannels& channels, int32_t frame) {
    for (auto marker = list.rbegin(); marker != list.rend(); ++marker) {
        const GSensorRecord* record = MarkerRecord(records, *marker);
        if (record != nullptr && record->time < frame && ShownChannel(channels, marker->channel)) {
            return record->time;
        }
    }
    return std::nullopt;
}
