#include "panels/core/GraphChannels.h"

namespace {

constexpr int kAxisX = 1;
constexpr int kAxisY = 2;
constexpr int kAxisZ = 3;

int Matches(bool match, int colour) { return match ? colour : kNoMarker; }

}  // namespace

const std::array<uint32_t, kMarkerColourCount> MarkerColorTable = {
    0x00FF00, 0x00FF00, 0x0000FF, 0xFF8080, 0xFF8080, 0xFFFFFF,
    0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x00FFFF, 0xFF00FF, 0xFFFF00,
};

int SelectMarkerColour(int channel, const GSensorRecord& record, int eventClip) {
    const bool event = eventClip != 0;
    const int32_t kind = record.triggerKind;
    switch (channel) {
    case GraphChannelId::kAxisX:
        return Matches(event && record.axis == kAxisX, 0);
    case GraphChannelId::kAxisY:
        return Matches(event && record.axis == kAxisY, 2);
    case GraphChannelId::kAxisZ:
        return Matches(event && record.axis == kAxisZ, 3);
    case GraphChannelId::kFlagAt72:
        return Matches(kind == TriggerKind::kFlagAt72, 5);
    case GraphChannelId::kFlagAt75:
        return Matches(kind == TriggerKind::kFlagAt75, 6);
    case GraphChannelId::kFlagAt76:
        return Matches(event && kind == TriggerKind::kFlagAt76, 7);
    case GraphChannelId::kDetection:
        return Matches(record.detection == kDetectionFlagSet, kDetectionColour);
    case GraphChannelId::kEventLetter:
        return Matches(kind >= TriggerKind::kEventH && kind <= TriggerKind::kEventB, kind);
    default:
        return kNoMarker;
    }
}

int ColourFlagChannel(int colour) {
    switch (colour) {
    case 6:
        return GraphChannelId::kFlagAt75;
    case 7:
        return GraphChannelId::kFlagAt76;
    case kDetectionColour:
        return GraphChannelId::kDetection;
    case 9:
    case 10:
    case 11:
        return GraphChannelId::kEventLetter;
    default:
        return -1;
    }
}

MarkerLabel MarkerLabelOf(int colour) {
    switch (colour) {
    case 0:
    case 1:
        return {UI_TEXT("G"), false, 1};
    case 2:
        return {UI_TEXT("G"), false, 0};
    case 3:
    case 4:
        return {UI_TEXT("G"), false, 2};
    case 5:
        return {UI_TEXT("M"), false, 3};
    case 6:
        return {UI_TEXT("※"), false, 3};
    case 7:
        return {UI_TEXT("P"), false, 3};
    case kDetectionColour:
        return {UI_TEXT("#"), false, 3};
    case 9:
        return {nullptr, true, 4};
    case 10:
        return {UI_TEXT("▲"), false, 5};
    case 11:
        return {UI_TEXT("▼"), false, 6};
    default:
        return {};
    }
}
